// gamesaver.cpp: the record each action leaves in the saved game.
#include "gamesaver.h"

#include "savedformat.h"

namespace varn {

GameSaver::GameSaver(Game& game, const std::string& path)
    : m_game(game),
      m_last(game.state()),
      m_challenge(game.challenge()),
      m_writer(path, SavedGame{m_last, game.history(), m_challenge, game.hints()}) {
    m_game.setActionListener(this);
}

GameSaver::~GameSaver() {
    m_game.setActionListener(nullptr);
}

void GameSaver::actionEnded(GameAction action, const GameState& before, const GameState& after) {
    std::string records;
    switch (action) {
        case GameAction::Change:
            if (before != m_last) records = formatRecord(RecordKind::Lay, before);
            records += formatRecord(RecordKind::Act, after,
                                    m_game.history().arrival(m_game.history().position()));
            break;
        case GameAction::NewGame:
            records = formatRecord(
                RecordKind::NewGame, after,
                Arrival::of(m_game.history().pendingDeal() == after ? Arrival::Kind::Start
                                                                    : Arrival::Kind::Unknown));
            break;
        case GameAction::Undo:
        case GameAction::Redo:
            records = formatRecord(action == GameAction::Undo ? RecordKind::Undo : RecordKind::Redo,
                                   m_game.history().position());
            break;
    }
    // A new game is no challenge until its own record says so; a move counts in the challenge.
    if (action == GameAction::NewGame) m_challenge.reset();
    if (m_game.challenge() != m_challenge && m_game.challenge())
        records += formatRecord(*m_game.challenge());
    m_challenge = m_game.challenge();
    m_writer.append(records);
    m_last = after;
}

void GameSaver::challengeChanged() {
    m_challenge = m_game.challenge();
    if (m_challenge) m_writer.append(formatRecord(*m_challenge));
}

void GameSaver::hintCounted(int hints) {
    m_writer.append(formatHints(hints));
}

}  // namespace varn
