// locked_folders_bench.cpp: what the window's thread spends on a move's save and on "Enter score"
// (its name dialog aside) while another process holds the lock of each folder the game writes
// in for five seconds, and what the files hold once it lets go. The game is put together as the
// window puts it: the saved game's journal, the high score and the table on their own threads.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "gamesaver.h"
#include "highscoreworker.h"
#include "readfile.h"
#include "savedgamefile.h"
#include "scoretablekeeper.h"
#include "scriptedwindow.h"
#include "splitmixsource.h"

namespace varn {
namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The window's event queue, as far as the file threads' answers go.
class Mailbox {
  public:
    WindowPost post() {
        return [this](std::function<void()> answer) {
            const std::lock_guard lock(m_mutex);
            m_answers.push_back(std::move(answer));
        };
    }
    void deliver() {
        std::unique_lock lock(m_mutex);
        while (!m_answers.empty()) {
            std::function<void()> answer = std::move(m_answers.front());
            m_answers.pop_front();
            lock.unlock();
            answer();
            lock.lock();
        }
    }

  private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_answers;
};

// The saver's share of each action, timed.
class TimedSaver : public ActionListener {
  public:
    explicit TimedSaver(GameSaver& saver) : m_saver(saver) {}
    void actionEnded(GameAction action, const GameState& before, const GameState& after) override {
        const auto start = Clock::now();
        m_saver.actionEnded(action, before, after);
        times.push_back(milliseconds(Clock::now() - start));
    }
    void hintCounted(int hints) override { m_saver.hintCounted(hints); }
    std::vector<double> times;

  private:
    GameSaver& m_saver;
};

// Another process that holds each folder's lock for `seconds`; returns once it holds them.
pid_t holdLocks(const std::vector<std::string>& folders, unsigned seconds) {
    int ready[2];
    if (::pipe(ready) != 0) std::abort();
    const pid_t child = ::fork();
    if (child == 0) {
        for (const std::string& folder : folders)
            ::flock(::open(folder.c_str(), O_RDONLY | O_DIRECTORY), LOCK_EX);
        (void)!::write(ready[1], "x", 1);
        ::sleep(seconds);
        ::_exit(0);
    }
    char byte = 0;
    (void)!::read(ready[0], &byte, 1);
    return child;
}

bool fileHolds(const std::string& path, const std::string& text) {
    return readFile(path, 1 << 20, LongFile::Refuse).bytes.find(text) != std::string::npos;
}

// The game as the window puts it together, in folders of its own.
struct Setup {
    std::string root = "/tmp/varn-locked-XXXXXX";
    std::string state, data, work;
    Mailbox mailbox;
    ScriptedWindow window;
    SplitMixSource random{2026};

    Setup() {
        if (!::mkdtemp(root.data())) std::abort();
        state = root + "/state", data = root + "/data", work = root + "/work";
        for (const std::string& folder : {state, data, work})
            std::filesystem::create_directories(folder);
        window.stopTimer();
    }
    ~Setup() { std::filesystem::remove_all(root); }
};

void report(bool locked, std::vector<double> saves, double enter, bool heldThrough) {
    std::sort(saves.begin(), saves.end());
    std::printf("%s: a move's save median %.4f ms, max %.4f ms; Enter score %.4f ms%s\n",
                locked ? "locks held 5 s" : "free folders", saves[saves.size() / 2], saves.back(),
                enter, heldThrough ? "" : " (after the release)");
}

void reportFiles(const Setup& setup, const Game& game) {
    std::ostringstream log;
    const auto saved = loadSavedGame(setup.state + "/game.txt", log);
    const std::string score = std::to_string(game.scores().Score());
    std::printf("  then game.txt holds the game: %s; scores.txt holds %s: %s; Varn_hsc.nrz: %s",
                saved && saved->current == game.state() ? "yes" : "NO", score.c_str(),
                fileHolds(setup.data + "/scores.txt", "\ngame " + score + ' ') ? "yes" : "NO",
                readFile(setup.work + "/Varn_hsc.nrz", 64, LongFile::KeepHead).bytes.c_str());
}

// Every file thread done with what it was given, and its answers delivered to the window's
// queue.
void flushAll(GameSaver& saver, HighScoreWorker& highScore, ScoreTableKeeper& table,
              Mailbox& mailbox) {
    saver.flush();
    highScore.flush();
    table.flush();
    mailbox.deliver();
}

void measure(bool locked) {
    Setup setup;
    HighScoreWorker highScore(HighScoreFile(setup.work + "/Varn_hsc.nrz"), setup.mailbox.post());
    ScoreTableKeeper table(setup.data + "/scores.txt", setup.mailbox.post());
    Game game(setup.window, setup.random, &highScore, &table);
    setup.window.setTickHandler([&] { game.Timer1_Timer(); });
    game.ng_click();
    GameSaver saver(game, setup.state + "/game.txt");
    // Nothing of the game holds a lock when the holder forks, which would keep it for ever.
    flushAll(saver, highScore, table, setup.mailbox);
    TimedSaver timed(saver);
    game.setActionListener(&timed);

    const pid_t holder = locked ? holdLocks({setup.state, setup.data, setup.work}, 5) : 0;
    for (int cell = 0; timed.times.size() < 7 && cell < 10000; ++cell)
        game.Element_Click(cell % kCellCount);
    const auto entering = Clock::now();
    game.Command1_Click();
    const double enter = milliseconds(Clock::now() - entering);
    report(locked, timed.times, enter, !locked || ::waitpid(holder, nullptr, WNOHANG) == 0);
    if (locked) ::waitpid(holder, nullptr, 0);
    flushAll(saver, highScore, table, setup.mailbox);
    reportFiles(setup, game);
    std::printf("  beeps %d\n", setup.window.beeps());
}

}  // namespace
}  // namespace varn

int main() {
    for (int run = 0; run < 3; ++run)
        varn::measure(false);
    for (int run = 0; run < 3; ++run)
        varn::measure(true);
}
