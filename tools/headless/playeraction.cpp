// playeraction.cpp: from a command to the handler that the window would call for it.
#include "playeraction.h"

namespace varn {

void perform(Game& game, PlayerAction action, int cell) {
    switch (action) {
        case PlayerAction::Click:
            game.Element_Click(cell);
            break;
        case PlayerAction::Mirror:
            game.Picture6_Click();
            break;
        case PlayerAction::Left:
            game.Picture7_Click();
            break;
        case PlayerAction::Right:
            game.picture8_click();
            break;
        case PlayerAction::NewGame:
            game.ng_click();
            break;
        case PlayerAction::Enter:
            game.Command1_Click();
            break;
        case PlayerAction::Undo:
            game.undo_Click();
            break;
        case PlayerAction::Redo:
            game.redo_Click();
            break;
    }
}

}  // namespace varn
