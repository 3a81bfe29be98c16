// headlessgame.cpp: wiring the scripted window's timer to the game.
#include "headlessgame.h"

#include <utility>

namespace varn {

HeadlessGame::HeadlessGame(UniformSource& random, HighScoreFile scoreFile)
    : highScore(std::move(scoreFile)), game(window, random, &highScore) {
    window.setTickHandler([this] { game.Timer1_Timer(); });
}

}  // namespace varn
