// codeplayer.h: a game code played on the real rules, headless, as a watch plays it: for a check
// before a stranger's code is watched, and for the positions a review judges.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "game.h"
#include "gamecode.h"
#include "rulescopy.h"
#include "silentwindow.h"
#include "splitmixsource.h"

namespace varn {

// A game of its own, on a window that shows nothing and lets the pieces fall at once, with no
// high score, table, challenges or saved game.
class CodePlayer {
  public:
    explicit CodePlayer(const Replay& replay);
    CodePlayer(const CodePlayer&) = delete;
    CodePlayer& operator=(const CodePlayer&) = delete;

    // Plays the next action; false when it is no action a player could make (Game::replay):
    // the code is damaged, and nothing more can be played.
    bool playNext();
    bool done() const { return m_next == m_replay.code.actions.size(); }
    std::size_t played() const { return m_next; }
    const Game& game() const { return m_game; }
    // Where the game stands between actions, as a search takes it.
    Position position() const { return positionOf(m_game.state()); }

  private:
    // Board input is kept, as the window keeps it, since a click can only come while the board
    // takes clicks, and the score's label, which is part of the game's state; each pass of
    // events while the timer runs is one tick of the game's fall.
    class Window : public SilentWindow {
      public:
        explicit Window(Game*& game) : m_game(game) {}
        std::string labelText(ScoreLabel label) const override {
            return m_labels[static_cast<std::size_t>(label == ScoreLabel::Label8)];
        }
        void setLabelText(ScoreLabel label, const std::string& text) override {
            m_labels[static_cast<std::size_t>(label == ScoreLabel::Label8)] = text;
        }
        void setBoardEnabled(bool enabled) override { m_enabled = enabled; }
        bool boardEnabled() const override { return m_enabled; }
        void doEvents() override {
            if (timerRunning()) m_game->Timer1_Timer();
        }

      private:
        Game*& m_game;
        std::array<std::string, 2> m_labels;
        bool m_enabled = true;
    };

    Replay m_replay;
    Game* m_self = nullptr;
    SplitMixSource m_random{1};
    Window m_window{m_self};
    Game m_game{m_window, m_random};
    std::size_t m_next = 0;
    bool m_broken = false;
};

// Whether every action of `replay` is one a player could make where the game stood: a code that
// passes the reader's bounds may still hold a click made while the board took none, or an action
// inside another after that one ended.
bool playable(const Replay& replay);

}  // namespace varn
