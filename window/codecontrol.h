// codecontrol.h: game codes in the window: copying the game's own, and watching one.
#pragma once

#include <QCoreApplication>
#include <string>

#include "gamecode.h"

namespace varn {

class Form1;
class GameSession;
class WatchPlayer;

class CodeControl {
    Q_DECLARE_TR_FUNCTIONS(varn::CodeControl)

  public:
    CodeControl(Form1& form, GameSession& session, WatchPlayer& watch)
        : m_form(form), m_session(session), m_watch(watch) {}

    // Puts the code of the game in progress on the clipboard.
    void copy();
    // Asks a game code and watches it; a code that cannot be watched is shown to be so.
    void ask();
    // Watches `text` (formatReplay), or tells why it cannot.
    void watchText(const std::string& text);
    // Watches `replay` in the window, the game in progress put aside until the player stops;
    // refused with the beep while that game is inside an action.
    void watch(const Replay& replay);

  private:
    Form1& m_form;
    GameSession& m_session;
    WatchPlayer& m_watch;
};

}  // namespace varn
