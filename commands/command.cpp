// command.cpp: the rules' commands, each run by its handler in the game.
#include "command.h"

#include "game.h"

namespace varn {

void perform(Game& game, Command command, int cell) {
    using Handler = void (*)(Game&, int cell);
    static constexpr Handlers<Handler> rules = byCommand<Handler>({
        {Command::Element_Click, [](Game& game, int cell) { game.Element_Click(cell); }},
        {Command::Picture6_Click, [](Game& game, int) { game.Picture6_Click(); }},
        {Command::Picture7_Click, [](Game& game, int) { game.Picture7_Click(); }},
        {Command::picture8_click, [](Game& game, int) { game.picture8_click(); }},
        {Command::ng_click, [](Game& game, int) { game.ng_click(); }},
        {Command::Command1_Click, [](Game& game, int) { game.Command1_Click(); }},
        {Command::undo_Click, [](Game& game, int) { game.undo_Click(); }},
        {Command::redo_Click, [](Game& game, int) { game.redo_Click(); }},
    });
    static_assert(handlesEvery(rules, true), "a command of the rules has no handler in the game");
    rules[indexOf(command)](game, cell);
}

}  // namespace varn
