// gamesession.h: the game's parts put together: the random source, the rules, the files they
// keep, the sound players and the falling timer, for one window at a time to show.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "challengekeeper.h"
#include "game.h"
#include "highscoreworker.h"
#include "hintworker.h"
#include "judgeworker.h"
#include "keylock.h"
#include "padpoller.h"
#include "scoretablekeeper.h"
#include "splitmixsource.h"
#include "windowrelay.h"

namespace varn {

class GameSaver;
class SoundOutput;
class SoundPlayers;

// The rules exist from the start; they act on the window attached, and on none before and
// after. The files are each kept on a thread of their own, so the window's thread never waits
// for a disk or a lock: the high score in Varn_hsc.nrz of the working folder, the table of the
// best games and the challenges in the desktop's data folder, and the game in progress once it is
// kept.
class GameSession {
  public:
    // The players play through `output`, which must outlive the session. `random` replaces
    // the game's own numbers, which each new game draws afresh; tests feed exact numbers.
    explicit GameSession(SoundOutput& output, UniformSource* random = nullptr);
    ~GameSession();

    // The rules act on `window` until `detach`.
    void attach(GameWindow& window) { m_window.attach(&window); }
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
    // Waits until the files of the scores hold every change so far, and their answers have
    // reached the game, as a test wants before it looks.
    void settleFiles();

    // The day in UTC by `clock`, which tests set to pick the day; the system's clock by default.
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    Days today() const { return std::chrono::floor<std::chrono::days>(m_clock()); }
    // Takes `day`'s challenge for this game in the file of the challenges (ChallengeKeeper).
    void claimChallenge(Days day, std::function<void(ChallengeKeeper::Claim)> answer) {
        m_challenges.claim(day, std::move(answer));
    }
    // Starts the challenge of `day` once claimed; a game in progress that is that challenge
    // belongs to this window from then on (challengeElsewhere()).
    bool startChallenge(Days day);
    const ChallengeTable& challenges() const { return m_challenges.table(); }
    // `changed` runs whenever the challenges known change to those of their file.
    void onChallengesChanged(std::function<void()> changed) {
        m_challenges.onChange(std::move(changed));
    }
    // Whether start-up found the saved game to be a challenge that another window is playing,
    // and started a new game instead.
    bool challengeElsewhere() const { return m_challengeElsewhere; }
    // Searches a hint for the game as it stands, on a thread of the hint's own; `answer` runs on
    // the window's thread, unless another hint or cancelHint() came first. Any action cancels
    // the hint, as the game it was asked for is gone.
    void askHint(std::function<void(const Hint&)> answer);
    void cancelHint();
    // Tests ask for a search that gives the same answer on every machine.
    void setHintSettings(const HintSettings& settings) { m_hintSettings = settings; }

    // The par of `day`'s challenge, from the day's row when it keeps one, else worked out on a
    // thread of its own, on one core so that a game in play keeps the other, and then kept with
    // the row. `answer`, when given, runs on the window's thread with the par and its game's
    // code, unless another par was asked for first.
    using ParAnswer = std::function<void(std::int64_t par, const std::string& code)>;
    void askPar(Days day, ParAnswer answer = nullptr);
    // Reviews the game that `replay` plays, on a thread of the review's own; `progress` and
    // `answer` run on the window's thread, unless another review or cancelReview() came first.
    // A code that no player could have made is answered with a review that is not finished.
    using ReviewProgress = std::function<void(int done, int total)>;
    void askReview(const Replay& replay, ReviewProgress progress,
                   std::function<void(const GameReview&)> answer);
    void cancelReview();
    // Tests ask for less work, which changes the verdicts but not the way to them.
    void setJudgeSettings(const ParSettings& par, const ReviewSettings& review) {
        m_parSettings = par;
        m_reviewSettings = review;
    }
    // The game controllers, read through the module loaded once the window is up (LazyPadReader),
    // polled at `pace`; tests give a reader of their own and a quicker pace.
    using PadReaders = std::function<std::unique_ptr<PadReader>()>;
    void setPads(PadReaders readers, PadPoller::Pace pace) {
        m_padReaders = std::move(readers);
        m_padPace = pace;
    }
    std::unique_ptr<PadPoller> padPoller() const;
    // The window's copy of the table of the best games.
    const ScoreTable& scoreTable() const { return m_table.table(); }

    Game& game() { return m_game; }
    SoundPlayers& sound() { return *m_sound; }
    QTimer& fallTimer() { return m_fallTimer; }  // Timer1

  private:
    WindowPost windowPost();
    // A lock on `day` for this game, through the lock file beside the saved game; none when no
    // game is kept.
    std::unique_ptr<KeyLock> lockChallenge(Days day) const;
    void parFound(std::uint64_t ticket, const ParResult& par);

    SplitMixSource m_ownRandom;
    QObject m_mailbox;  // the file threads' answers run on the window's thread through it
    WindowRelay m_window;
    HighScoreWorker m_highScore;
    ScoreTableKeeper m_table;
    ChallengeKeeper m_challenges;
    Clock m_clock = [] { return std::chrono::system_clock::now(); };
    Game m_game;  // after the files it keeps: it goes first, and no answer reaches it after
    std::string m_savedGamePath;
    bool m_numberChosen = false;
    std::unique_ptr<KeyLock> m_challengeLock;  // of the challenge this window plays
    bool m_challengeElsewhere = false;
    std::unique_ptr<GameSaver> m_saver;     // after the game, which it listens to
    std::unique_ptr<SoundPlayers> m_sound;  // EmbedSound1
    QTimer m_fallTimer;
    HintSettings m_hintSettings;
    std::uint64_t m_hintTicket = 0;  // the hint waited for; 0 for none
    std::function<void(const Hint&)> m_hintAnswer;
    HintWorker m_hints;  // after the mailbox that its answers go through: it ends first
    ParSettings m_parSettings{.threads = 1};
    ReviewSettings m_reviewSettings;
    std::uint64_t m_parTicket = 0;
    Days m_parDay{};
    ParAnswer m_parAnswer;
    std::uint64_t m_reviewTicket = 0;
    ReviewProgress m_reviewProgress;
    std::function<void(const GameReview&)> m_reviewAnswer;
    // Pars and reviews each on a thread of their own, so that neither stops the other.
    std::unique_ptr<JudgeWorker> m_pars;
    std::unique_ptr<JudgeWorker> m_reviews;
    PadReaders m_padReaders;
    PadPoller::Pace m_padPace;
};

}  // namespace varn
