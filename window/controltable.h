// controltable.h: the window's design as data: every control with its place, picture and font.
#pragma once

#include <QRect>
#include <QRgb>
#include <span>

#include "picturebox.h"

namespace varn {

// One control of the design. The window builds itself from these rows and scales them, and
// the tests read the same rows. Texts are English source texts, translated where shown in
// the context "varn::Form1".
struct Control {
    enum class Kind { Box, Label, Button };
    struct Font {
        const char* family = nullptr;  // none: the control keeps the window's font
        double points = 0;
        bool bold = false;
        bool italic = false;
    };

    const char* name;
    const char* parent;  // "Form1" is the design's own surface
    Kind kind;
    QRect twips;                    // in its parent, as it stands once the window is up
    QRgb colour = 0;                // a box's ground or a label's text; 0 for none
    const char* picture = nullptr;  // a file among the pictures
    PictureBox::Fill fill = PictureBox::Fill::TopLeft;
    Font font = {};
    const char* text = nullptr;
    const char* spoken = nullptr;  // what assistive tools read, when not the text
    bool border = false;
    bool button = false;  // a picture box that presses like a button, on the button face
};

// In building order, parents first; later controls lie in front of earlier ones.
std::span<const Control> controlTable();

}  // namespace varn
