// boardtables.h: the four tables that make up the board's whole state.
#pragma once

#include <array>

#include "piece.h"

namespace varn {

inline constexpr int kBoardSide = 10;
inline constexpr int kCellCount = kBoardSide * kBoardSide;

// Cell i lies in row i / 10 (0 at the top) and column i % 10 (0 at the left).
constexpr int cellAt(int row, int column) {
    return row * kBoardSide + column;
}
constexpr int rowOf(int cell) {
    return cell / kBoardSide;
}
constexpr int columnOf(int cell) {
    return cell % kBoardSide;
}

// The tables keep the names and the 16-bit values of the original design, so that the rules
// read like the description of the game.
struct BoardTables {
    std::array<Code, kCellCount> Board{};           // piece code per cell
    std::array<Flag, kCellCount> Marked{};          // cell to remove, or gap still to close
    std::array<std::int16_t, kBoardSide> GapRow{};  // per column: lowest gap the last scan found
    std::array<Flag, kBoardSide> ColumnFalling{};   // per column: falls on the next tick

    void clearMarks() { Marked.fill(kFalse); }
    bool isMarked(int cell) const { return Marked[cell] != kFalse; }
    int markedCount() const;
    bool hasEmptyCell() const;
};

}  // namespace varn
