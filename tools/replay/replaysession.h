// replaysession.h: runs a script of player commands against the real rules, headless.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "headlessgame.h"
#include "playeraction.h"
#include "queuedsource.h"

namespace varn {

// Reads one command a line and prints one line for each. The game starts as a freshly created
// window does, before its start-up runs: every code 0, no marks, score 0, design label texts.
class ReplaySession {
  public:
    explicit ReplaySession(std::ostream& out);

    // Runs the whole script; returns the exit status: 0, or 2 after bad input or when the deal
    // runs out of random numbers.
    int run(std::istream& in);

  private:
    struct Nested {
        int call;
        PlayerAction action;
    };

    void execute(const std::vector<std::string>& words);
    void runAction(PlayerAction action, int cell);
    void onEvents(int call);
    void report(int firstClip, int ticksBefore, int beepsBefore);

    std::ostream& m_out;
    QueuedSource m_random;
    HeadlessGame m_headless;
    ScriptedWindow& m_window;
    Game& m_game;
    std::vector<Nested> m_nextNests;
    std::vector<Nested> m_activeNests;
    int m_lineNumber = 0;
};

}  // namespace varn
