// gamesession.cpp: the game's parts, and what ties them to a window.
#include "gamesession.h"

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <utility>

#include "designtable.h"
#include "gamesaver.h"
#include "lazypadreader.h"
#include "savedgamefile.h"
#include "soundplayers.h"

namespace varn {

GameSession::GameSession(SoundOutput& output, UniformSource* random)
    : m_highScore(HighScoreFile(), windowPost()),
      m_table(ScoreTableFile::defaultPath(), windowPost()),
      m_challenges(ChallengeKeeper::defaultPath(), windowPost(),
                   [this] { return m_table.proposedName(); }),
      m_game(m_window, random ? *random : m_ownRandom, &m_highScore, &m_table, &m_challenges),
      m_sound(std::make_unique<SoundPlayers>(
          output, [this] { m_window.doEvents(); }, nullptr)),
      m_hints([this, post = windowPost()](std::uint64_t ticket, const Hint& hint) {
          post([this, ticket, hint] {
              if (ticket != m_hintTicket) return;
              m_hintTicket = 0;
              std::exchange(m_hintAnswer, nullptr)(hint);
          });
      }) {
    m_fallTimer.setInterval(designTable().fallMilliseconds);
    m_fallTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_fallTimer, &QTimer::timeout, [this] { m_game.Timer1_Timer(); });
}

GameSession::~GameSession() {
    detach();
    // Their answers go through the mailbox, which ends before them.
    m_pars.reset();
    m_reviews.reset();
}

void GameSession::askPar(Days day, ParAnswer answer) {
    const auto row = std::find_if(challenges().rows().begin(), challenges().rows().end(),
                                  [&](const ChallengeRow& r) { return r.day == day; });
    if (row != challenges().rows().end() && row->par > 0) {
        if (answer) answer(row->par, row->parCode);
        return;
    }
    // The par in hand for that day answers when it is found.
    if (m_parTicket && m_parDay == day) {
        if (answer) m_parAnswer = std::move(answer);
        return;
    }
    if (!m_pars) {
        m_pars = std::make_unique<JudgeWorker>(
            [this, post = windowPost()](std::uint64_t ticket, const ParResult& par) {
                post([this, ticket, par] { parFound(ticket, par); });
            },
            nullptr);
    }
    m_parDay = day;
    m_parAnswer = std::move(answer);
    m_parTicket = m_pars->startPar(challengeNumber(day), m_parSettings);
}

void GameSession::parFound(std::uint64_t ticket, const ParResult& par) {
    if (ticket != m_parTicket) return;
    m_parTicket = 0;
    std::vector<RecordedAction> actions;
    for (const PlayerAction action : par.actions)
        actions.push_back({action, {}});
    const std::string code = formatGameCode({challengeNumber(m_parDay), std::move(actions)});
    m_challenges.setPar(m_parDay, par.score, code);
    if (m_parAnswer) std::exchange(m_parAnswer, nullptr)(par.score, code);
}

void GameSession::askReview(const Replay& replay, ReviewProgress progress,
                            std::function<void(const GameReview&)> answer) {
    if (!m_reviews) {
        const WindowPost post = windowPost();
        m_reviews = std::make_unique<JudgeWorker>(
            nullptr,
            [this, post](std::uint64_t ticket, const GameReview& review) {
                post([this, ticket, review] {
                    if (ticket != m_reviewTicket) return;
                    m_reviewTicket = 0;
                    m_reviewProgress = nullptr;
                    std::exchange(m_reviewAnswer, nullptr)(review);
                });
            },
            [this, post](std::uint64_t ticket, int done, int total) {
                post([this, ticket, done, total] {
                    if (ticket == m_reviewTicket && m_reviewProgress) m_reviewProgress(done, total);
                });
            });
    }
    m_reviewProgress = std::move(progress);
    m_reviewAnswer = std::move(answer);
    m_reviewTicket = m_reviews->startReview(replay, m_reviewSettings);
}

void GameSession::cancelReview() {
    if (m_reviews) m_reviews->cancel();
    m_reviewTicket = 0;
    m_reviewProgress = nullptr;
    m_reviewAnswer = nullptr;
}

WindowPost GameSession::windowPost() {
    return [this](std::function<void()> answer) {
        QMetaObject::invokeMethod(&m_mailbox, std::move(answer), Qt::QueuedConnection);
    };
}

void GameSession::detach() {
    m_fallTimer.stop();
    m_window.attach(nullptr);
}

std::unique_ptr<KeyLock> GameSession::lockChallenge(Days day) const {
    if (m_savedGamePath.empty()) return nullptr;
    const std::string path =
        std::filesystem::path(m_savedGamePath).replace_filename("challenge.lock").string();
    return std::make_unique<KeyLock>(path, std::uint64_t(day.time_since_epoch().count()));
}

bool GameSession::startChallenge(Days day) {
    std::unique_ptr<KeyLock> lock = lockChallenge(day);
    if (!m_game.startChallenge(day)) return false;
    m_challengeLock = std::move(lock);
    askPar(day);
    return true;
}

// A challenge that another window plays is no game to go on with here: both would play it.
void GameSession::beginGame(bool continueLast) {
    std::optional<SavedGame> saved;
    if (continueLast && !m_numberChosen && !m_savedGamePath.empty())
        saved = loadSavedGame(m_savedGamePath, std::cerr);
    if (saved && saved->challenge && !saved->challenge->over()) {
        m_challengeLock = lockChallenge(saved->challenge->day);
        m_challengeElsewhere = m_challengeLock->heldElsewhere();
        if (m_challengeElsewhere) saved.reset();
    }
    if (saved) {
        m_game.resume(saved->current, std::move(saved->history), saved->hints);
        m_game.continueChallenge(saved->challenge);
    } else {
        m_game.ng_click();
    }
    if (!m_savedGamePath.empty()) m_saver = std::make_unique<GameSaver>(m_game, m_savedGamePath);
}

void GameSession::settleFiles() {
    m_highScore.flush();
    m_table.flush();
    m_challenges.flush();
    QCoreApplication::sendPostedEvents(&m_mailbox, QEvent::MetaCall);
}

void GameSession::askHint(std::function<void(const Hint&)> answer) {
    m_hintAnswer = std::move(answer);
    m_hintTicket = m_hints.start(positionOf(m_game.state()), m_game.random(), m_hintSettings);
}

void GameSession::cancelHint() {
    m_hints.cancel();
    m_hintTicket = 0;
    m_hintAnswer = nullptr;
}

std::unique_ptr<PadPoller> GameSession::padPoller() const {
    std::unique_ptr<PadReader> reader;
    if (m_padReaders) {
        reader = m_padReaders();
    } else {
        reader = std::make_unique<LazyPadReader>(LazyPadReader::defaultModules());
    }
    return std::make_unique<PadPoller>(std::move(reader), m_padPace);
}

}  // namespace varn
