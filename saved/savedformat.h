// savedformat.h: the text of a saved game: a version line, a snapshot of the game, then one
// record for each action since, every line closed by its own checksum.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "savedgame.h"

namespace varn {

// A saved game, line by line:
//
//   varn saved game 1 #3d3ad0f3
//   history 3 2 #...           the states in the history and the position among them
//   current [@deal] STATE #... what the board shows; @deal: the new game's deal, history empty
//   state [HOW] STATE #...     each state of the history, the oldest first
//   act [HOW] STATE #...       a move or a transform led to STATE, a new entry of the history
//   lay STATE #...             the board was laid out from outside: no entry
//   new [@deal] STATE #...     a new game in STATE, with an empty history; @deal: its deal
//   undo 1 #...                an undo or a redo to the position given
//   redo 2 #...
//   challenge 2026-03-14 12 #...   the game is the challenge of that day, 12 moves made; the
//                              snapshot ends with this line when the game is a challenge
//   hints 2 #...               the game has used 2 hints (a new game starts again at 0); the
//                              snapshot ends with this line when the game has used any
//
// HOW tells how the game came to the state, as a game code needs it: "@deal" for the deal of
// the game, or '@' and the action's byte (gamecode.h) in decimal, followed by ".M:B" for each
// action that ran inside it, at moment M with byte B. Without it the way is not known.
// STATE is the board as ten rows of ten hexadecimal piece codes joined by '/', then
// "score N random SEED DRAWN label TEXT", where TEXT is the score's label to the end of the
// line, with '\' written "\\" and control bytes "\xHH". The checksum is the CRC-32 of the line
// before " #", in eight lowercase hexadecimal digits. Only the lines after the snapshot are
// ever appended to, so only the last of them can have been cut short.
inline constexpr int kSavedVersion = 1;
// More states than a game of months. A file that holds more is refused without being read.
inline constexpr std::size_t kMaxSavedStates = 200'000;

class SavedFormatError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class RecordKind { Act, Lay, NewGame, Undo, Redo };

// The whole file for `game`. Of a history longer than kMaxSavedStates, the oldest states are
// left out; the position and those around it stay.
std::string formatSnapshot(const SavedGame& game);
// One line, for a record that carries a state (Act, Lay, NewGame) or a position (Undo, Redo).
// `how` tells how the game came to the state, for Act and NewGame.
std::string formatRecord(RecordKind kind, const GameState& state, const Arrival& how = {});
std::string formatRecord(RecordKind kind, std::size_t position);
std::string formatRecord(const Challenge& challenge);
// The line of the count of hints, which changes no state.
std::string formatHints(int hints);

// Applies one record line, its newline left out. Throws SavedFormatError when the line is
// damaged or does not fit the game.
void applyRecord(SavedGame& game, std::string_view line);
// The game that a whole file holds. A last record cut short or damaged is left out: the state
// before that action. Throws SavedFormatError, with the reason, for anything else.
SavedGame parseSavedGame(std::string_view text);

}  // namespace varn
