// actionname.cpp: the names of clicks and transforms in the player's language.
#include "actionname.h"

#include <QCoreApplication>

#include "boardtables.h"

namespace varn {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("varn::ActionName", text);
}

}  // namespace

QString actionName(PlayerAction action) {
    if (action.isClick()) {
        //: A click on the board in a game's review, its row and column counted from 1.
        return tr("Row %1, column %2").arg(rowOf(action.code) + 1).arg(columnOf(action.code) + 1);
    }
    if (action.code == PlayerAction::kMirror) return tr("Mirror");
    return action.code == PlayerAction::kLeft ? tr("Turn left") : tr("Turn right");
}

QString actionName(const Hint& hint) {
    switch (hint.action) {
        case HintAction::Click:
            return actionName(PlayerAction::click(hint.cell));
        case HintAction::Mirror:
            return actionName(PlayerAction{PlayerAction::kMirror});
        case HintAction::Left:
            return actionName(PlayerAction{PlayerAction::kLeft});
        case HintAction::Right:
            return actionName(PlayerAction{PlayerAction::kRight});
        case HintAction::None:
            break;
    }
    return tr("Nothing");
}

}  // namespace varn
