// designtable.cpp: the window's design.
#include "designtable.h"

#include <QtGlobal>
#include <array>

#include "boardtables.h"
#include "dealer.h"
#include "gamewindow.h"

namespace varn {

namespace {

using Kind = Control::Kind;
using Fill = PictureBox::Fill;

constexpr const char* kForm = "Form1";
constexpr QRgb kTeal = qRgb(0, 192, 192);
constexpr Control::Font kCaption{"Tahoma", 9, true};
constexpr Control::Font kValue{"Comic Sans MS", 12, true, true};
constexpr Control::Font kPlain{"MS Sans Serif", 8.25, true};

const std::array kControls = {
    // The board's backing: its state is the board's input.
    Control{"Podloga", kForm, Kind::Box, {0, 0, 7681, 5620}, kTeal},
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
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Score:"),
            .fitted = true},
    Control{.name = "Label7",
            .parent = "lova",
            .kind = Kind::Label,
            .twips = {120, 390, 855, 375},
            .colour = qRgb(64, 0, 0),
            .font = kCaption,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Hiscore:"),
            .fitted = true},
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
    // The moves left of a challenge, in a panel like the scores', shown only during one.
    Control{"Picture13", kForm, Kind::Box, {2520, 5520, 2160, 420}, 0, "paper.png", Fill::Tiled},
    Control{.name = "Label9",
            .parent = "Picture13",
            .kind = Kind::Label,
            .twips = {100, 45, 1320, 375},
            .colour = qRgb(0, 0, 128),
            .font = kCaption,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Moves left:"),
            .fitted = true},
    Control{.name = "Label10",
            .parent = "Picture13",
            .kind = Kind::Label,
            .twips = {1440, 0, 660, 420},
            .colour = qRgb(192, 0, 0),
            .font = kValue},
    Control{.name = "Picture12",
            .parent = kForm,
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
            .font = kPlain,
            .fitted = true,
            .wraps = true},
    Control{.name = "Command5",
            .parent = "Picture12",
            .kind = Kind::Button,
            .twips = {3720, 4320, 855, 345},
            .font = {"Comic Sans MS", 12, true},
            .text = QT_TRANSLATE_NOOP("varn::Form1", "OK"),
            .command = Command::Command5_Click,
            .keys = "Esc; Return; Enter",
            .fitted = true},
    // Turns the help to the controls of the keyboard and the controller and back.
    Control{.name = "Command6",
            .parent = "Picture12",
            .kind = Kind::Button,
            .twips = {120, 4320, 1935, 345},
            .font = {"Comic Sans MS", 12, true},
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Controls"),
            .command = Command::Command6_Click,
            .fitted = true},
    Control{.name = "Command1",
            .parent = kForm,
            .kind = Kind::Button,
            .twips = {0, 5640, 2415, 375},
            .font = kPlain,
            .text = QT_TRANSLATE_NOOP("varn::Form1", "Enter score"),
            .command = Command::Command1_Click,
            .fitted = true},
    // The picture buttons lie in front of the board's backing and the help panel.
    Control{.name = "Picture6",
            .parent = kForm,
            .kind = Kind::Box,
            .twips = {2640, 4920, 640, 544},
            .picture = "button-mirror.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Mirror"),
            .border = true,
            .button = true,
            .command = Command::Picture6_Click},
    Control{.name = "Picture7",
            .parent = kForm,
            .kind = Kind::Box,
            .twips = {3240, 4920, 649, 544},
            .picture = "button-left.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Turn left"),
            .border = true,
            .button = true,
            .command = Command::Picture7_Click},
    Control{.name = "Picture8",
            .parent = kForm,
            .kind = Kind::Box,
            .twips = {3840, 4920, 640, 544},
            .picture = "button-right.svg",
            .fill = Fill::Centred,
            .spoken = QT_TRANSLATE_NOOP("varn::Form1", "Turn right"),
            .border = true,
            .button = true,
            .command = Command::picture8_click},
};

constexpr const char* kKeyOrder[] = {"picture1", "Picture6", "Picture7", "Picture8", "Command1"};

const DesignTable kDesign{
    .name = kForm,
    .caption = "Varn v3.00",
    .command = Command::form_click,
    .twips = {4785, 6030},
    .twipsPerPixel = 15,
    .ground = kTeal,
    .scoreText = kDesignScoreText,
    .fallMilliseconds = 50,
    .controls = kControls,
    .cells = {"picture1", {0, 0}, kCellTwips, kBoardSide, Command::Element_Click},
    .keyOrder = kKeyOrder,
};

}  // namespace

const DesignTable& designTable() {
    return kDesign;
}

}  // namespace varn
