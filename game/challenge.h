// challenge.h: today's challenge: the game that every player gets on a day, and its moves.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

using Days = std::chrono::sys_days;

// A challenge ends after this many moves. Fifty clicks that clear, with the turns and mirrors
// between them, take about five minutes: long enough to plan, short enough to play every day.
inline constexpr int kChallengeMoves = 50;

// The game number of the challenge of `day`, a day in UTC, so that every player in the world
// gets the same deal on the same day. The rule never changes:
//
//   z := (days since 1970-01-01, as a 64-bit two's complement word) * 0x9E3779B97F4A7C15
//          + 0xD1B54A32D192ED03
//   z := (z XOR (z >> 30)) * 0xBF58476D1CE4E5B9
//   z := (z XOR (z >> 27)) * 0x94D049BB133111EB
//   z := z XOR (z >> 31)
//   number := z >> 32, or 1 when that is 0
//
// all arithmetic modulo 2^64. Neighbouring days get unrelated numbers, so today's number says
// nothing of tomorrow's.
std::uint32_t challengeNumber(Days day);

// A day as the result line and the files write it: "2026-03-14".
std::string dayText(Days day);
// The day that `text` writes in that form, from 1970-01-01 to 9999-12-31; nothing else.
std::optional<Days> parseDay(std::string_view text);
// Whether the files can hold `day`: a clock set outside those years has no challenge.
bool keptDay(Days day);

// A challenge in progress: its day and the moves made. A move is a click that removed pieces; the
// turns and the mirror are free. Once the moves are spent, play is over until a new game; a
// challenge left before its last move is over as if they were.
struct Challenge {
    Days day{};
    int movesUsed = 0;

    int movesLeft() const { return movesUsed < kChallengeMoves ? kChallengeMoves - movesUsed : 0; }
    bool over() const { return movesUsed >= kChallengeMoves; }
    bool operator==(const Challenge&) const = default;
};

// How a challenge ended, as the end's dialog shows it and the result line tells it.
struct ChallengeResult {
    Days day{};
    std::int64_t score = 0;
    int moves = 0;
    int rank = 0;      // among the player's challenges, 1 for the best; 0 when none is kept
    std::string code;  // the game's code (gamecode.h), empty for a game that has none
    std::vector<std::int64_t> movePoints;  // what each move scored, in order
    std::int64_t par = 0;                  // the day's par, once worked out
};

// The result as a player shares it, one line in every language that spoils nothing of the day's
// deal: the day, the score, the moves made, the share of the par once it is known, and the
// points of each ten moves as a row of bars, e.g.
// "Varn challenge 2026-03-14: 171 points in 50 moves, 37 % of par ▃▅█▂▄".
std::string resultLine(const ChallengeResult& result);

// What a challenge needs of the record of the player's challenges. It answers at once; what it
// keeps on disk is its own business. A day is taken before its challenge begins, by whoever
// starts it.
class ChallengeBook {
  public:
    virtual ~ChallengeBook() = default;
    // Whether the challenge of `day` was begun already, by this game or another of the player's.
    virtual bool begun(Days day) const = 0;
    // The challenge of `day` ended with `score` after `moves`, by its last move or when the
    // player left it. Returns its rank among the player's challenges.
    virtual int finish(Days day, std::int64_t score, int moves, const std::string& code) = 0;
};

}  // namespace varn
