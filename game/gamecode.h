// gamecode.h: a game code, one short line of letters and digits that holds a game's number and
// the actions played from its deal, safe to paste in a chat.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history.h"
#include "playeraction.h"

namespace varn {

// The game number and the actions in the order they were played, undone ones folded out.
struct GameCode {
    std::uint32_t number = 0;
    std::vector<RecordedAction> actions;
    bool operator==(const GameCode&) const = default;
};

// Why a text is no game code that this version can play.
enum class CodeProblem {
    None,
    Foreign,  // it does not start as a Varn game code does
    Newer,    // a later format, which a newer Varn writes
    Damaged,  // characters lost or changed: the checksum or the layout is wrong
};

// The code's text, format 1:
//
//   "varn1" then the bytes below in base 62 (0-9, A-Z, a-z), each eight bytes as eleven digits
//   and a shorter last group of k bytes as the fewest digits that hold 256^k values, the most
//   significant first:
//     the game number, four bytes, the most significant first;
//     one byte an action: a click on cell 0 to 99, 100 the mirror, 101 a turn left, 102 a turn
//     right; 128 added when actions ran inside it, followed by their count and then each one's
//     moment (momentwindow.h) and its action byte;
//     the CRC-32 of "varn1" and all the bytes before it, four bytes, the most significant first.
//   Counts and moments are unsigned LEB128, in the fewest bytes. The moments of the actions
//   inside one rise strictly from 1.
//
// Blanks and line ends around the code are no part of it. Each game code has one text alone.
inline constexpr std::string_view kCodePrefix = "varn";
inline constexpr int kCodeVersion = 1;
// A code comes from a chat, so what it holds is bounded before it is played, by what real play
// makes. Another action runs inside one only while its pieces fall, each in a pass of window
// events: a player who clicks a turn button as fast as the events come gets a few dozen in
// before the board is settled and dealt.
inline constexpr std::size_t kMaxNestedActions = 64;
// Every action of a code, those inside others included: at a brisk action every two seconds,
// fifty-five hours of one game.
inline constexpr std::size_t kMaxCodeActions = 100'000;
// The most bytes a code is read to hold: more than the longest code of those bounds.
inline constexpr std::size_t kMaxCodeBytes = 4'000'000;

std::string formatGameCode(const GameCode& code);
// Reads a code; `problem` tells why `text` is none, and the code returned is then empty. A code
// past the bounds above is damaged.
GameCode parseGameCode(std::string_view text, CodeProblem& problem);
// The text of a code whose bytes, before the checksum, are `bytes`: for tests, which make codes
// that no game writes.
std::string sealCode(const std::vector<std::uint8_t>& bytes);
// Whether a game of `actions` can have a code: none past the bounds above.
bool withinCodeBounds(const std::vector<RecordedAction>& actions);

// What a watch replays: a code's actions from the deal of its number, or, for the last actions
// of a long game, from the state before them, whose label is its score's digits.
struct Replay {
    GameCode code;
    std::optional<GameState> start;
    bool operator==(const Replay&) const = default;
};

// "CODE", or "CODE from SCORE DRAWN BOARD" with the start's score, its random position and its
// hundred piece codes in hexadecimal.
std::string formatReplay(const Replay& replay);
std::optional<Replay> parseReplay(std::string_view text, CodeProblem& problem);

}  // namespace varn
