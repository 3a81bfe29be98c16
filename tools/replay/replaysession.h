// replaysession.h: runs a script of player commands against the real rules, headless.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "gamesaver.h"
#include "headlessgame.h"
#include "queuedsource.h"

namespace varn {

// Reads one command a line and prints what each player command left behind. The game starts
// as a freshly created window does, before its start-up runs: every code 0, no marks, score 0,
// design label texts, the timer running.
class ReplaySession {
  public:
    explicit ReplaySession(std::ostream& out);

    // Runs the whole script; returns the exit status: 0, 2 after bad input or when the deal
    // runs out of random numbers, 3 when the rules ask for a cell or picture that is not there.
    int run(std::istream& in);

  private:
    using Words = std::vector<std::string>;

    // A command to run inside the K-th pass of window events of the next player command; no
    // action means that it only prints the state at that moment.
    struct Nested {
        int call;
        std::optional<Command> command;
        std::string text;
    };

    bool readWords(Words& words);
    void execute(const Words& words);
    void setBoard(const Words& words);
    void showBoard();
    void queueNumbers(const Words& words);
    void playGame(const Words& words);
    void playChallenge(const Words& words);
    void printCode(const Words& words);
    void watch(const Words& words);
    void review(const Words& words);
    void par(const Words& words);
    void nest(const Words& words);
    void save(const Words& words);
    void load(const Words& words);
    void hint(const Words& words);
    void runAction(const Words& words, Command command, int cell);
    void runAction(const Words& words, const std::function<void()>& action);
    void onEvents(int call);
    void report(const std::string& title, int firstClip, int ticksBefore, int beepsBefore);

    std::ostream& m_out;
    std::istream* m_in = nullptr;
    QueuedSource m_random;
    HeadlessGame m_headless;
    ScriptedWindow& m_window;
    Game& m_game;
    std::map<std::string, std::function<void(const Words&)>> m_commands;
    std::vector<Nested> m_nextNests;
    std::vector<Nested> m_activeNests;
    int m_lineNumber = 0;
    std::string m_savePath;
    // Last: it listens to the game, and goes before it.
    std::unique_ptr<GameSaver> m_saver;
};

}  // namespace varn
