// gamesession.h: the game's parts put together: the random source, the rules, the sound
// players and the falling timer, for one window to show.
#pragma once

#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "game.h"
#include "splitmixsource.h"

namespace varn {

class GameSaver;
class SoundOutput;
class SoundPlayers;

class GameSession {
  public:
    // The players play through `output`, which must outlive the session. `random` replaces
    // the generator that start-up seeds from the clock; tests feed exact numbers.
    explicit GameSession(SoundOutput& output, UniformSource* random = nullptr);
    ~GameSession();

    // The rules come to life on the window they act on, which stays until `detach`.
    void attach(GameWindow& window);
    void detach();
    // Start-up's seed: from the clock, unless the numbers were given.
    void seed();
    // Keeps the game in progress at `path`, to be continued at the next start. Without it,
    // as in tests, nothing is saved or continued.
    void keepSavedGame(std::string path) { m_savedGamePath = std::move(path); }
    // Start-up's first game: the game saved at the path put back when `continueLast` and there
    // is one, else a new game; from then on it is saved after every action that changes it.
    void beginGame(bool continueLast);

    Game& game() { return *m_game; }
    SoundPlayers& sound() { return *m_sound; }
    QTimer& fallTimer() { return m_fallTimer; }  // Timer1

  private:
    SoundOutput& m_output;
    SplitMixSource m_ownRandom;
    UniformSource* m_injectedRandom;
    std::optional<Game> m_game;
    std::string m_savedGamePath;
    std::unique_ptr<GameSaver> m_saver;  // after the game, which it listens to
    std::unique_ptr<SoundPlayers> m_sound;  // EmbedSound1
    QTimer m_fallTimer;
};

}  // namespace varn
