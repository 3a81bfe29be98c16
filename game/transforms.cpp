// transforms.cpp: in-place permutations of the board's codes.
#include "transforms.h"

#include <utility>

namespace varn {

namespace {

constexpr int kLast = kBoardSide - 1;
constexpr int kHalf = kBoardSide / 2;

// Moves the codes of the four cells a, b, c, d one step along: a takes b's code, b takes
// c's, c takes d's and d takes a's old code.
void cycle(BoardTables& tables, int a, int b, int c, int d) {
    auto& board = tables.Board;
    const Code saved = board[a];
    board[a] = board[b];
    board[b] = board[c];
    board[c] = board[d];
    board[d] = saved;
}

}  // namespace

void MirrorBoard(BoardTables& tables) {
    for (int row = 0; row < kHalf; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            std::swap(tables.Board[cellAt(row, column)], tables.Board[cellAt(kLast - row, column)]);
        }
    }
}

// A quarter turn moves the board in 25 orbits of four cells each.
void RotateBoardCounterClockwise(BoardTables& tables) {
    for (int i = 0; i < kHalf; ++i) {
        for (int j = 0; j < kHalf; ++j) {
            cycle(tables, cellAt(i, kLast - j), cellAt(kLast - j, kLast - i), cellAt(kLast - i, j),
                  cellAt(j, i));
        }
    }
}

void RotateBoardClockwise(BoardTables& tables) {
    for (int i = 0; i < kHalf; ++i) {
        for (int j = 0; j < kHalf; ++j) {
            cycle(tables, cellAt(j, i), cellAt(kLast - i, j), cellAt(kLast - j, kLast - i),
                  cellAt(i, kLast - j));
        }
    }
}

}  // namespace varn
