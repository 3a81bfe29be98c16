// rulescopy.cpp: putting the rules together on a silent window, and playing them.
#include "rulescopy.h"

#include <algorithm>
#include <exception>

#include "transforms.h"

namespace varn {

Position positionOf(const GameState& state) {
    return {state.board, state.score, state.random};
}

RulesCopy::RulesCopy(const UniformSource& random)
    : m_random(random.clone()),
      m_scores(m_window),
      m_dealer(m_tables, m_window, *m_random),
      m_settler(m_tables, m_window, m_dealer),
      m_move(m_tables, m_window, m_scores, m_settler) {
    m_window.setSettler(m_settler);
}

void RulesCopy::load(const Position& position) {
    m_tables.Board = position.board;
    m_tables.clearMarks();
    m_scores.restoreScore(position.score, {});
    m_random->restore(position.random);
    m_window.stopTimer();
}

Position RulesCopy::position() const {
    return {m_tables.Board, m_scores.Score(), m_random->state()};
}

bool RulesCopy::play(HintAction action, int cell) {
    // A source given in advance throws when its list ends; the game would stop there too.
    try {
        switch (action) {
            case HintAction::Click:
                m_move.Element_Click(cell);
                break;
            case HintAction::Mirror:
                transform(MirrorBoard);
                break;
            case HintAction::Left:
                transform(RotateBoardCounterClockwise);
                break;
            case HintAction::Right:
                transform(RotateBoardClockwise);
                break;
            case HintAction::None:
                break;
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// What the game's transform buttons do to the board, without the window's busy signs.
void RulesCopy::transform(void (*permute)(BoardTables&)) {
    m_tables.clearMarks();
    permute(m_tables);
    m_settler.RedrawAndSettle();
}

std::vector<int> RulesCopy::removedBy(int cell) {
    std::vector<int> cells;
    m_window.noteRemovedCells(&cells);
    play(HintAction::Click, cell);
    m_window.noteRemovedCells(nullptr);
    std::sort(cells.begin(), cells.end());
    return cells;
}

}  // namespace varn
