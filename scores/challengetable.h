// challengetable.h: the player's challenges, a row a day, and their text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "challenge.h"

namespace varn {

// One day's challenge as it ended, or as it stands once begun: score 0 after 0 moves, and no
// code, which every finished challenge of fewer than Game::kTableActions actions has.
struct ChallengeRow {
    Days day{};
    std::int64_t score = 0;
    int moves = 0;
    std::string name;
    std::string code;  // the game code of a finished challenge, to watch it again; may be empty
    // The day's par and the code of the search's own game, once worked out; 0 and empty before.
    std::int64_t par = 0;
    std::string parCode;
    bool operator==(const ChallengeRow&) const = default;
    bool finished() const { return score != 0 || moves != 0 || !code.empty(); }
};

// The rows are in the order of their days, one a day. The text holds one item a line, its
// fields split by single blanks, days in UTC:
//   varn-challenges 1                    what the file is, and the version of its format
//   # Each challenge, oldest first: ...  a comment for a person, always the same
//   day 2026-03-14 1234 50 Ana Kovač     a row: day, score, moves made, name
//   code varn1...                        the row's game code (gamecode.h), when it has one
//   par 461 varn1...                     the day's par and its game's code, once worked out
//   end                                  the last line: a file cut after a whole line lacks it
// A text that differs in any byte from what text() writes for what could be read is damaged, and
// so is a score beyond what the score label can show or more moves than a challenge has.
class ChallengeTable {
  public:
    // The dialog shows this many of the best; the file keeps the last kKept days, years of
    // daily play, so that a long streak is counted whole.
    static constexpr std::size_t kShown = 10;
    static constexpr std::size_t kKept = 1000;

    // What a text holds: every row that could be read. `problem` tells the first reason why
    // the text is not exactly as text() would write it, or stays empty.
    static ChallengeTable parse(std::string_view text, std::string& problem);
    std::string text() const;

    const std::vector<ChallengeRow>& rows() const { return m_rows; }
    bool begun(Days day) const { return find(day) != nullptr; }
    bool finished(Days day) const { return find(day) && find(day)->finished(); }
    // The day is taken with score 0, unless it was already.
    void begin(Days day, std::string_view name);
    // The day's row as the challenge ended, with its game code unless that is no code's text;
    // returns its rank. A day's result is its first: a row once finished stays as it is.
    int finish(Days day, std::int64_t score, int moves, std::string_view name,
               std::string_view code = {});
    // The par of a day begun, and the code of its game; a day without a row keeps none.
    void setPar(Days day, std::int64_t par, std::string_view code);
    // The rank of the day's row among all rows, 1 for the best: the higher score first, of
    // equal scores the earlier day. 0 for a day without a row.
    int rankOf(Days day) const;
    // The kShown best rows, in rank order.
    std::vector<ChallengeRow> best() const;
    // The days in a row with a challenge that end today, or yesterday while today's is still
    // to be played; 0 when neither has one.
    int streak(Days today) const;

  private:
    const ChallengeRow* find(Days day) const;
    void place(ChallengeRow row);
    // What the lines after a row may still add to it.
    struct Last {
        std::optional<Days> day;
        bool code = false;
        bool par = false;
    };
    void readLine(std::string_view line, Last& last);
    ChallengeRow& rowBefore(const Last& last);

    std::vector<ChallengeRow> m_rows;
};

}  // namespace varn
