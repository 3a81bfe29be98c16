// playeraction.cpp: from a command, or the design's name of its handler, to the handler.
#include "playeraction.h"

#include <algorithm>
#include <iterator>

namespace varn {

namespace {

struct Handler {
    PlayerAction action;
    const char* name;  // as the design calls it
    void (*run)(Game& game, int cell);
};

constexpr Handler kHandlers[] = {
    {PlayerAction::Click, "Element_Click", [](Game& game, int cell) { game.Element_Click(cell); }},
    {PlayerAction::Mirror, "Picture6_Click", [](Game& game, int) { game.Picture6_Click(); }},
    {PlayerAction::Left, "Picture7_Click", [](Game& game, int) { game.Picture7_Click(); }},
    {PlayerAction::Right, "picture8_click", [](Game& game, int) { game.picture8_click(); }},
    {PlayerAction::NewGame, "ng_click", [](Game& game, int) { game.ng_click(); }},
    {PlayerAction::Enter, "Command1_Click", [](Game& game, int) { game.Command1_Click(); }},
    {PlayerAction::Undo, "undo_Click", [](Game& game, int) { game.undo_Click(); }},
    {PlayerAction::Redo, "redo_Click", [](Game& game, int) { game.redo_Click(); }},
};

}  // namespace

void perform(Game& game, PlayerAction action, int cell) {
    const auto handler = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                                      [action](const Handler& h) { return h.action == action; });
    handler->run(game, cell);
}

std::optional<PlayerAction> actionNamed(std::string_view name) {
    for (const Handler& handler : kHandlers) {
        if (handler.name == name) return handler.action;
    }
    return std::nullopt;
}

}  // namespace varn
