// headlessgame.h: the real game wired to a scripted window, for tests, replays and benchmarks.
#pragma once

#include "game.h"
#include "highscorefile.h"
#include "scriptedwindow.h"

namespace varn {

// The window's timer ticks into the game, as the real window's does. The high score is kept in
// its file on the caller's thread, so each answer is there when the command returns.
class HeadlessGame {
  public:
    explicit HeadlessGame(UniformSource& random, HighScoreFile scoreFile = HighScoreFile());
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    ScriptedWindow window;
    HighScoreFile highScore;
    Game game;
};

}  // namespace varn
