// designtable.h: the window's whole design as data: its size and scale, palette, texts,
// controls and cell grid, each with the command it gives; the menus are in the command table.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <optional>
#include <span>

#include "command.h"
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
    const char* parent;  // the design's own surface, or a control above
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
    std::optional<Command> command = {};  // given by a click or a press
    // Keys that press the control while the keyboard is anywhere in its parent, in Qt's
    // portable text, alternatives apart by "; ".
    const char* keys = nullptr;
    bool fitted = false;  // its font shrinks until a translation fits
    bool wraps = false;
};

// The cells: side by side cells of `cellTwips`, inside the frame's border from `origin` on.
struct CellGrid {
    const char* frame;
    QPoint origin;  // twips
    int cellTwips;
    int side;
    Command command;  // given with the cell's number
};

struct DesignTable {
    const char* name;  // the design's own surface
    const char* caption;
    Command command;  // a click on the design's surface
    QSize twips;      // the window's inside at scale 1
    int twipsPerPixel;
    QRgb ground;
    const char* scoreText;              // both scores' labels until the first game
    int fallMilliseconds;               // the falling timer's interval
    std::span<const Control> controls;  // building order, parents first, later ones in front
    CellGrid cells;
    std::span<const char* const> keyOrder;  // the controls the keyboard goes round
};

const DesignTable& designTable();

}  // namespace varn
