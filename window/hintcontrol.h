// hintcontrol.h: "Hint": asked of the search on its thread, shown when found, cleared when the
// game it was for is gone.
#pragma once

#include "hintview.h"

namespace varn {

class Form1;
class GameSession;

class HintControl {
  public:
    HintControl(Form1& form, GameSession& session, DesignView& view)
        : m_form(form), m_session(session), m_view(view) {}

    // A beep while pieces fall or during a challenge, whose results are the player's own.
    void ask();
    // Whatever the rules do next, the game the hint was for is gone: the outline goes, and so
    // does a search in flight.
    void clear();
    // Outlines `hint` as a hint is shown, where a review points at a better action; the keys
    // stay where they are, and no hint is counted.
    void outline(const Hint& hint) { m_view.show(hint); }

  private:
    void show(const Hint& hint);

    Form1& m_form;
    GameSession& m_session;
    HintView m_view;
};

}  // namespace varn
