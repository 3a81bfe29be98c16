// gamesession.h: the game's parts put together: the random source, the rules, the sound
// players and the falling timer, for one window to show.
#pragma once

#include <QTimer>
#include <memory>
#include <optional>

#include "game.h"
#include "splitmixsource.h"

namespace varn {

class SoundOutput;
class SoundPlayers;

class GameSession {
  public:
    // The players play through `output`, which must outlive the session. `random` replaces
    // the game's own numbers, which each new game draws afresh; tests feed exact numbers.
    explicit GameSession(SoundOutput& output, UniformSource* random = nullptr);
    ~GameSession();

    // The rules come to life on the window they act on, which stays until `detach`.
    void attach(GameWindow& window);
    void detach();
    // The next new game, start-up's first included, deals game `number`, unless the numbers
    // were given.
    void chooseNextGame(std::uint32_t number) { m_ownRandom.chooseNextGame(number); }

    Game& game() { return *m_game; }
    SoundPlayers& sound() { return *m_sound; }
    QTimer& fallTimer() { return m_fallTimer; }  // Timer1

  private:
    SoundOutput& m_output;
    SplitMixSource m_ownRandom;
    UniformSource* m_injectedRandom;
    std::optional<Game> m_game;
    std::unique_ptr<SoundPlayers> m_sound;  // EmbedSound1
    QTimer m_fallTimer;
};

}  // namespace varn
