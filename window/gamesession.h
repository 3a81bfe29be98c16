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
    // the game's own numbers, which each new game draws afresh; tests feed exact numbers.
    explicit GameSession(SoundOutput& output, UniformSource* random = nullptr);
    ~GameSession();

    // The rules come to life on the window they act on, which stays until `detach`.
    void attach(GameWindow& window);
    void detach();
    // Keeps the game in progress at `path`, to be continued at the next start. Without it,
    // as in tests, nothing is saved or continued.
    void keepSavedGame(std::string path) { m_savedGamePath = std::move(path); }
    // Start-up's first game: the game saved at the path put back when `continueLast` and there
    // is one and no game number was chosen, else a new game; from then on it is saved after
    // every action that changes it.
    void beginGame(bool continueLast);
    // The next new game, start-up's first included, deals game `number`, unless the numbers
    // were given. A number chosen before start-up asks for that game, not the saved one.
    void chooseNextGame(std::uint32_t number) {
        m_ownRandom.chooseNextGame(number);
        m_numberChosen = true;
    }

    Game& game() { return *m_game; }
    SoundPlayers& sound() { return *m_sound; }
    QTimer& fallTimer() { return m_fallTimer; }  // Timer1

  private:
    SoundOutput& m_output;
    SplitMixSource m_ownRandom;
    UniformSource* m_injectedRandom;
    std::optional<Game> m_game;
    std::string m_savedGamePath;
    bool m_numberChosen = false;
    std::unique_ptr<GameSaver> m_saver;     // after the game, which it listens to
    std::unique_ptr<SoundPlayers> m_sound;  // EmbedSound1
    QTimer m_fallTimer;
};

}  // namespace varn
