// dealer.cpp: the deal and the chances of each piece.
#include "dealer.h"

#include <cmath>

namespace varn {

Dealer::Dealer(BoardTables& tables, GameWindow& window, UniformSource& random)
    : m_tables(tables), m_window(window), m_random(random) {}

Code Dealer::drawPiece(UniformSource& random) {
    // The spread m is one of 5.0, 5.1, ..., 6.0; the larger it is, the likelier a joker.
    // Everything stays in single precision, as the chances were worked out that way.
    const float m = std::floor(11.0f * random.next()) / 10.0f + 5.0f;
    auto code = static_cast<Code>(std::floor(m * random.next()));
    if (code == piece::Joker && std::floor(4.0f * random.next()) == 0.0f) {
        code = static_cast<Code>(std::floor(4.0f * random.next()) + piece::Bomb);
    }
    return code;
}

void Dealer::DealBoard() {
    layOut(true);
}

void Dealer::LayOutBoard() {
    layOut(false);
}

void Dealer::layOut(bool deal) {
    // Nothing in here lets window events run, so the board cannot move under the loop.
    const int left = m_window.boardLeft();
    const int top = m_window.boardTop();
    for (int row = 0; row < kBoardSide; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            const int cell = cellAt(row, column);
            m_window.placeCell(cell, kCellTwips * column + left, kCellTwips * row + top, kCellTwips,
                               kCellTwips);
            Code code = m_tables.Board[cell];
            if (deal && code == piece::Empty) code = drawPiece(m_random);
            m_window.showPattern(cell, code);
            m_window.setCellVisible(cell, true);
            m_tables.Board[cell] = code;
        }
    }
    m_window.setBoardEnabled(true);
}

}  // namespace varn
