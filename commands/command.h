// command.h: every command a player gives, declared once: its id, the menu item that gives it,
// the controller's buttons that give it, whether it changes a setting, and its name in the
// replay driver's scripts.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "padreader.h"

// Marks a text for Qt Linguist, which reads the menus' texts here; the window translates them in
// the context "varn::Form1". Qt defines the macro the same way, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace varn {

class Game;

// A command, by the name that the design gives its handler. kCommands holds a row for each, in
// this order; form_click, the design's surface, stays last, as the count ends with it.
enum class Command : unsigned char {
    ng_click,
    gameNumber_Click,
    challenge_Click,
    scores_Click,
    copyCode_Click,
    watchCode_Click,
    review_Click,
    undo_Click,
    redo_Click,
    continue_Click,
    sound_Click,
    hint_Click,
    zoomIn_Click,
    zoomOut_Click,
    actualSize_Click,
    fullScreen_Click,
    pomoc_Click,
    Element_Click,
    Picture6_Click,
    Picture7_Click,
    picture8_click,
    Command1_Click,
    Command5_Click,
    Command6_Click,
    form_click,
};

constexpr std::size_t indexOf(Command id) {
    return static_cast<std::size_t>(id);
}
inline constexpr std::size_t kCommandCount = indexOf(Command::form_click) + 1;

// Where a command's item lies: in one of the menus of kMenuTitles, which stand on the bar in that
// order; on the bar itself after them (Bar), acting without a menu; or nowhere (None).
enum class Menu : unsigned char { None, Game, View, Bar };

struct MenuTitle {
    Menu menu;
    const char* name;  // the menu's object name
    const char* text;
};

inline constexpr MenuTitle kMenuTitles[] = {
    {Menu::Game, "a2", QT_TRANSLATE_NOOP("varn::Form1", "Game")},
    {Menu::View, "view", QT_TRANSLATE_NOOP("varn::Form1", "View")},
};

struct MenuItem {
    Menu menu = Menu::None;
    const char* name = nullptr;  // the item's object name
    const char* text = nullptr;
    // Keys that give the command anywhere in the window, in Qt's portable text, alternatives
    // apart by "; ".
    const char* keys = nullptr;
    bool checkable = false;
    bool separated = false;  // a separator goes before it
};

// Controller buttons, as bits of PadButton.
constexpr unsigned padButtons(std::initializer_list<PadButton> buttons) {
    unsigned bits = 0;
    for (const PadButton button : buttons)
        bits |= 1u << unsigned(button);
    return bits;
}

struct CommandRow {
    Command id;
    bool rules = false;    // its handler is the rules' own, which perform() runs; else the window's
    bool setting = false;  // it changes a setting, which the window then writes at once
    // The command of the replay driver that runs it, if any: the driver performs the rules'
    // commands, and answers any other itself.
    const char* replay = nullptr;
    MenuItem item = {};  // in the order of the rows within each menu
    // The controller's buttons that give it while the window's board is in front (padButtons);
    // a click gives the cell under the board's cursor.
    unsigned pad = 0;
};

inline constexpr CommandRow kCommands[] = {
    {.id = Command::ng_click,
     .rules = true,
     .replay = "newgame",
     .item = {Menu::Game, "ng", QT_TRANSLATE_NOOP("varn::Form1", "New game"), "Ctrl+N"}},
    {.id = Command::gameNumber_Click,
     .item = {Menu::Game, "gameNumber", QT_TRANSLATE_NOOP("varn::Form1", "Game number…"),
              "Ctrl+G"}},
    {.id = Command::challenge_Click,
     .item = {Menu::Game, "challenge", QT_TRANSLATE_NOOP("varn::Form1", "Today's challenge")}},
    {.id = Command::scores_Click,
     .item = {Menu::Game, "scores", QT_TRANSLATE_NOOP("varn::Form1", "Scores")}},
    {.id = Command::copyCode_Click,
     .item = {.menu = Menu::Game,
              .name = "copyCode",
              .text = QT_TRANSLATE_NOOP("varn::Form1", "Copy game code"),
              .separated = true}},
    {.id = Command::watchCode_Click,
     .item = {Menu::Game, "watchCode", QT_TRANSLATE_NOOP("varn::Form1", "Watch a game code…")}},
    {.id = Command::review_Click,
     .item = {Menu::Game, "review", QT_TRANSLATE_NOOP("varn::Form1", "Review game")}},
    {.id = Command::undo_Click,
     .rules = true,
     .replay = "undo",
     .item = {Menu::Game, "undo", QT_TRANSLATE_NOOP("varn::Form1", "Undo"), "Ctrl+Z"},
     .pad = padButtons({PadButton::Y})},
    {.id = Command::redo_Click,
     .rules = true,
     .replay = "redo",
     .item = {Menu::Game, "redo", QT_TRANSLATE_NOOP("varn::Form1", "Redo"), "Ctrl+Shift+Z; Ctrl+Y"},
     .pad = padButtons({PadButton::Back})},
    {.id = Command::continue_Click,
     .setting = true,
     .item = {.menu = Menu::Game,
              .name = "continue",
              .text = QT_TRANSLATE_NOOP("varn::Form1", "Continue the last game"),
              .checkable = true,
              .separated = true}},
    {.id = Command::sound_Click,
     .setting = true,
     .item = {.menu = Menu::Game,
              .name = "sound",
              .text = QT_TRANSLATE_NOOP("varn::Form1", "Sound"),
              .checkable = true}},
    // The window shows the hint; the replay driver prints it.
    {.id = Command::hint_Click,
     .replay = "hint",
     .item = {.menu = Menu::Game,
              .name = "hint",
              .text = QT_TRANSLATE_NOOP("varn::Form1", "Hint"),
              .keys = "H",
              .separated = true},
     .pad = padButtons({PadButton::X})},
    {.id = Command::zoomIn_Click,
     .setting = true,
     .item = {Menu::View, "zoomIn", QT_TRANSLATE_NOOP("varn::Form1", "Zoom in"), "Ctrl++; Ctrl+="}},
    {.id = Command::zoomOut_Click,
     .setting = true,
     .item = {Menu::View, "zoomOut", QT_TRANSLATE_NOOP("varn::Form1", "Zoom out"), "Ctrl+-"}},
    {.id = Command::actualSize_Click,
     .setting = true,
     .item = {Menu::View, "actualSize", QT_TRANSLATE_NOOP("varn::Form1", "Actual size"), "Ctrl+0"}},
    {.id = Command::fullScreen_Click,
     .setting = true,
     .item = {.menu = Menu::View,
              .name = "fullScreen",
              .text = QT_TRANSLATE_NOOP("varn::Form1", "Full screen"),
              .keys = "F11",
              .checkable = true,
              .separated = true}},
    {.id = Command::pomoc_Click,
     .item = {Menu::Bar, "pomoc", QT_TRANSLATE_NOOP("varn::Form1", "Help"), "F1"}},
    {.id = Command::Element_Click,  // with the cell's number
     .rules = true,
     .replay = "click",
     .pad = padButtons({PadButton::A})},
    {.id = Command::Picture6_Click,
     .rules = true,
     .replay = "mirror",
     .pad = padButtons({PadButton::LeftTrigger})},
    {.id = Command::Picture7_Click,
     .rules = true,
     .replay = "left",
     .pad = padButtons({PadButton::LeftShoulder})},
    {.id = Command::picture8_click,
     .rules = true,
     .replay = "right",
     .pad = padButtons({PadButton::RightShoulder})},
    {.id = Command::Command1_Click,
     .rules = true,
     .replay = "enter",
     .pad = padButtons({PadButton::RightTrigger})},
    {.id = Command::Command5_Click},
    {.id = Command::Command6_Click},  // the help's other page
    {.id = Command::form_click},
};

constexpr const CommandRow& commandRow(Command id) {
    return kCommands[indexOf(id)];
}

// Runs one of the rules' commands (CommandRow::rules) on `game`; `cell` counts for a click only.
void perform(Game& game, Command command, int cell = 0);

// A handler for each command, by its id; null for a command that another part handles.
template <typename Handler>
using Handlers = std::array<Handler, kCommandCount>;

// The handlers of a dispatch from its pairs; giving a command two is an error of the build.
template <typename Handler>
constexpr Handlers<Handler> byCommand(std::initializer_list<std::pair<Command, Handler>> pairs) {
    Handlers<Handler> handlers{};
    for (const auto& [id, handler] : pairs) {
        if (handlers[indexOf(id)]) throw std::logic_error("a command with two handlers");
        handlers[indexOf(id)] = handler;
    }
    return handlers;
}

// Whether `handlers` hold one for every command of the rules (`rules`) or of the window.
template <typename Handler>
constexpr bool handlesEvery(const Handlers<Handler>& handlers, bool rules) {
    for (const CommandRow& row : kCommands) {
        if (row.rules == rules && !handlers[indexOf(row.id)]) return false;
    }
    return true;
}

static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(kCommands); ++i) {
            if (indexOf(kCommands[i].id) != i) return false;
        }
        return std::size(kCommands) == kCommandCount;
    }(),
    "one row a command, in the order of the ids");
static_assert(
    [] {
        for (const CommandRow& row : kCommands) {
            if ((row.item.menu == Menu::None) != (!row.item.name || !row.item.text)) return false;
        }
        return true;
    }(),
    "an item has a menu, a name and a text");
static_assert(
    [] {
        unsigned given = 0;
        for (const CommandRow& row : kCommands) {
            if (given & row.pad) return false;
            given |= row.pad;
        }
        return true;
    }(),
    "a controller's button gives one command");

}  // namespace varn
