// gamechallenge.cpp: the game as today's challenge: begun on its day's deal, its moves counted,
// ended at the last or when the player leaves it.
#include "game.h"

#include "playedcode.h"

namespace varn {

void Game::leaveChallenge() {
    if (!m_challenge || m_challenge->over()) return;
    endChallenge();
    m_challenge->movesUsed = kChallengeMoves;
    offerHistoryCommands();
    if (m_listener) m_listener->challengeChanged();
}

void Game::continueChallenge(const std::optional<Challenge>& challenge) {
    m_challenge = challenge;
    offerHistoryCommands();
}

void Game::countMove() {
    ++m_challenge->movesUsed;
    m_window.showChallenge(m_challenge);
}

// Turns and the mirror are free in a challenge, so its actions have no bound of their own: the
// record of challenges keeps no more of them than a row of the best games.
void Game::endChallenge() {
    const int moves = m_challenge->movesUsed;
    const std::int64_t score = m_scores.Score();
    const int rank = m_challenges ? m_challenges->finish(m_challenge->day, score, moves,
                                                         codeText(code(), kTableActions))
                                  : 0;
    m_window.challengeOver({m_challenge->day, score, moves, rank, codeText(code()), movePoints()});
}

// A move is a click that changed the game; the history of a challenge has no undone branch.
std::vector<std::int64_t> Game::movePoints() const {
    std::vector<std::int64_t> points;
    std::int64_t before = 0;
    for (std::size_t index = 0; index <= m_history.position() && !m_history.empty(); ++index) {
        const std::int64_t score = m_history.at(index).score;
        const Arrival arrival = m_history.arrival(index);
        if (arrival.kind == Arrival::Kind::Action && arrival.action.action.isClick())
            points.push_back(score - before);
        before = score;
    }
    return points;
}

}  // namespace varn
