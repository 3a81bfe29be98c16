// designtable.h: the window's whole design as data: its size and scale, palette, texts,
// controls, cell grid and menus, each with the handler it calls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
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
    bool button = false;            // a picture box that presses like a button, on the button face
    const char* handler = nullptr;  // called on a click or a press
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
    const char* handler;  // called with the cell's number
};

// The menu bar in order: a menu holds the items and separators after it; a menu with a
// handler of its own acts straight from the bar.
struct MenuEntry {
    enum class Kind { Menu, Item, Separator };
    Kind kind;
    const char* name = nullptr;
    const char* text = nullptr;
    const char* keys = nullptr;  // as Control::keys
    const char* handler = nullptr;
    bool checkable = false;
};

struct DesignTable {
    const char* name;  // the design's own surface
    const char* caption;
    const char* handler;  // a click on the design's surface
    QSize twips;          // the window's inside at scale 1
    int twipsPerPixel;
    QRgb ground;
    const char* scoreText;              // both scores' labels until the first game
    int fallMilliseconds;               // the falling timer's interval
    std::span<const Control> controls;  // building order, parents first, later ones in front
    CellGrid cells;
    std::span<const char* const> keyOrder;  // the controls the keyboard goes round
    std::span<const MenuEntry> menus;
};

const DesignTable& designTable();

}  // namespace varn
