// gamesaver.h: keeps the game in progress saved, after every action that changed it.
#pragma once

#include <string>

#include "actionlistener.h"
#include "game.h"
#include "journalwriter.h"

namespace varn {

// Saves `game` as it stands at once, then listens to it and journals each action. Only one
// listener is told at a time: the saver takes the game's place for as long as it lives.
class GameSaver : public ActionListener {
  public:
    GameSaver(Game& game, const std::string& path);
    ~GameSaver() override;
    GameSaver(const GameSaver&) = delete;
    GameSaver& operator=(const GameSaver&) = delete;

    void actionEnded(GameAction action, const GameState& before, const GameState& after) override;
    void hintCounted(int hints) override;
    void challengeChanged() override;
    // Waits until everything saved so far is on the disk.
    void flush() { m_writer.flush(); }

  private:
    Game& m_game;
    // The state the saved game ends in. A board laid out from outside since then is saved
    // before the action that follows it.
    GameState m_last;
    std::optional<Challenge> m_challenge;  // as the saved game ends
    JournalWriter m_writer;
};

}  // namespace varn
