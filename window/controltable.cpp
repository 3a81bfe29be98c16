// controltable.cpp: the rows of the window's design.
#include "controltable.h"

#include <QtGlobal>
#include <array>

namespace varn {

namespace {

using Kind = Control::Kind;
using Fill = PictureBox::Fill;

constexpr QRgb kTeal = qRgb(0, 192, 192);
constexpr Control::Font kCaption{"Tahoma", 9, true};
constexpr Control::Font kValue{"Comic Sans MS", 12, true, true};
constexpr Control::Font kPlain{"MS Sans Serif", 8.25, true};

const std::array kControls = {
    // The board's backing: its state is the board's input.
    Control{"Podloga", "Form1", Kind::Box, {0, 0, 7681, 5620}, kTeal},
    Control{.name = "picture1",
            .parent = "Podloga",
            .kind = Kind::Box,
            .twips = {0, 0, 4816, 4848},
            .colour = qRgb(255, 255, 192),
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Board"),
            .border = true},
    Control{"Picture10", "Podloga", Kind::Box, {0, 4920, 2415, 735}, qRgb(255, 255, 255)},
    Control{"lova", "Picture10", Kind::Box, {0, 0, 2415, 735}, 0, "paper.png", Fill::Tiled},
    Control{.name = "Label2",
            .parent = "lova",
            .kind = Kind::Label,
            .twips = {100, 80, 735, 375},
            .colour = qRgb(0, 0, 128),
            .font = kCaption,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Score:")},
    Control{.name = "Label7",
            .parent = "lova",
            .kind = Kind::Label,
            .twips = {120, 390, 855, 375},
            .colour = qRgb(64, 0, 0),
            .font = kCaption,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Hiscore:")},
    Control{.name = "Label4",
            .parent = "lova",
            .kind = Kind::Label,
            .twips = {840, 0, 1395, 375},
            .colour = qRgb(192, 0, 0),
            .font = kValue},
    Control{.name = "Label8",
            .parent = "lova",
            .kind = Kind::Label,
            .twips = {840, 330, 1395, 375},
            .colour = qRgb(192, 0, 192),
            .font = kValue},
    Control{.name = "Picture12",
            .parent = "Form1",
            .kind = Kind::Box,
            .twips = {0, 0, 4815, 4935},
            .picture = "wood.png",
            .fill = Fill::Tiled,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Help")},
    Control{.name = "Label3",
            .parent = "Picture12",
            .kind = Kind::Label,
            .twips = {120, 1440, 4455, 2655},
            .colour = qRgb(0, 0, 0),
            .font = kPlain},
    Control{.name = "Command5",
            .parent = "Picture12",
            .kind = Kind::Button,
            .twips = {3720, 4320, 855, 345},
            .font = {"Comic Sans MS", 12, true},
            .text = QT_TRANSLATE_NOOP("varn::Form1", "OK")},
    Control{.name = "Command1",
            .parent = "Form1",
            .kind = Kind::Button,
            .twips = {0, 5640, 2415, 375},
            .font = kPlain,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Enter score")},
    // The picture buttons lie in front of the board's backing and the help panel.
    Control{.name = "Picture6",
            .parent = "Form1",
            .kind = Kind::Box,
            .twips = {2640, 4920, 640, 544},
            .picture = "button-mirror.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Mirror"),
            .border = true,
            .button = true},
    Control{.name = "Picture7",
            .parent = "Form1",
            .kind = Kind::Box,
            .twips = {3240, 4920, 649, 544},
            .picture = "button-left.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Turn left"),
            .border = true,
            .button = true},
    Control{.name = "Picture8",
            .parent = "Form1",
            .kind = Kind::Box,
            .twips = {3840, 4920, 640, 544},
            .picture = "button-right.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Turn right"),
            .border = true,
            .button = true},
};

}  // namespace

std::span<const Control> controlTable() {
    return kControls;
}

}  // namespace varn
