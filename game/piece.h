// piece.h: the piece codes that the board stores, which are also the indexes of their pictures.
#pragma once

#include <cstdint>

namespace varn {

using Code = std::int16_t;

// Flags in the board tables are 16-bit integers: -1 for true, 0 for false.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

namespace piece {
// Codes 0 to 4 are the five ordinary kinds.
inline constexpr Code OrdinaryKinds = 5;
inline constexpr Code Joker = 5;
inline constexpr Code Empty = 6;
// 7, 8 and 10 are effect pictures: painted over cells, never stored. There is no picture 9.
inline constexpr Code BlastImage = 7;
inline constexpr Code ClearImage = 8;
inline constexpr Code LadderImage = 10;
inline constexpr Code Bomb = 11;
inline constexpr Code RowLadder = 12;
inline constexpr Code ColumnLadder = 13;
inline constexpr Code Gem = 14;
// The pictures are numbered 0 to 14.
inline constexpr int PatternCount = Gem + 1;
}  // namespace piece

// True for the codes a board cell may hold: 0 to 6 and 11 to 14.
constexpr bool isBoardCode(int code) {
    return (code >= 0 && code <= piece::Empty) || (code >= piece::Bomb && code <= piece::Gem);
}

// True for the indexes that have a pattern picture: 0 to 8 and 10 to 14.
constexpr bool isPatternIndex(int index) {
    return index >= 0 && index <= piece::Gem && index != 9;
}

}  // namespace varn
