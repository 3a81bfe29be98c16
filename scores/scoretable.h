// scoretable.h: the ten best games and the statistics of the entered scores, and their text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bestgames.h"

namespace varn {

// A row of the table: one game, with the best score entered for it.
struct BestGame {
    std::int64_t score = 0;
    Seconds time{};  // when that score was entered
    std::uint32_t game = 0;
    std::string name;
    int hints = 0;        // the hints the game had used when that score was entered
    std::string actions;  // how the score was made (ScoreOffer::actions), one line
    bool operator==(const BestGame&) const = default;
};

struct EnteredScore {
    std::int64_t score = 0;
    Seconds time{};
    bool operator==(const EnteredScore&) const = default;
};

struct ScoreStatistics {
    // Games that ended, by a new game or by starting a numbered game, after they had scored.
    // The counts and the total are held at their largest value rather than wrapping around.
    std::uint64_t played = 0;
    // Entries: presses of "Enter score" that offered a score. Each press counts, a second press
    // in the same game too, whether or not the score made the table.
    std::uint64_t entered = 0;
    // The sum of all entered scores.
    std::uint64_t total = 0;
    // The best entered score; 0 before the first entry.
    std::int64_t best = 0;
    // The last kRecent entries, oldest first.
    std::vector<EnteredScore> recent;

    // The mean of all entered scores; 0 before the first entry.
    double average() const { return entered == 0 ? 0.0 : double(total) / double(entered); }
    bool operator==(const ScoreStatistics&) const = default;
};

// The rows are in rank order: the higher score first; of equal scores the one entered earlier,
// which reached it first; of those the lower game number. One row per game number.
//
// The text holds one item a line, its fields split by single blanks, times in UTC:
//   varn-scores 1                        what the file is, and the version of its format
//   # The best games, best first: ...    comments for a person, always the same
//   game 5120 2027-01-15T08:00:00Z 42 Ana Kovač    a row: score, time, game number, name
//   hinted 3 4800 2027-01-16T09:00:00Z 7 Ben       a row of a game that used 3 hints, then
//                                        the same fields; a row without hints is a game line
//   actions varn1...                     how the row above made its score, when known
//   played 12 / entered 5 / total 10240 / best 5120    the statistics, a line each
//   recent 5120 2027-01-15T08:00:00Z     an entry, oldest first
//   name Ana Kovač                       the name used last, when there is one
//   end                                  the last line: a file cut after a whole line lacks it
// A text that differs in any byte from what text() writes for what could be read is damaged, and
// so is a score beyond what the score label can show (ScoreKeeper::kMaxScore).
class ScoreTable {
  public:
    static constexpr std::size_t kRows = 10;
    static constexpr std::size_t kRecent = 50;
    // A name is kept to this many characters (UTF-8 code points).
    static constexpr std::size_t kMaxNameLength = 40;

    // What a text holds: every row and value that could be read. `problem` tells the first
    // reason why the text is not exactly as text() would write it, or stays empty.
    static ScoreTable parse(std::string_view text, std::string& problem);
    std::string text() const;

    // A name as the table keeps it: control characters, tabs and line ends become blanks,
    // blanks at either end go, and it is cut to kMaxNameLength characters.
    static std::string cleanName(std::string_view name);

    const std::vector<BestGame>& rows() const { return m_rows; }
    const ScoreStatistics& statistics() const { return m_statistics; }
    // The name of the last row stored; empty before the first.
    const std::string& lastName() const { return m_lastName; }

    // The rank, 1 to kRows, that `offer` would take; 0 when it would change no row.
    int rankFor(const ScoreOffer& offer) const;
    // Counts the offer in the statistics and, when it makes the table, stores its row with
    // `name`, which becomes the name used last. Returns the rank taken, or 0.
    int enter(const ScoreOffer& offer, std::string_view name);
    // A game ended with `score`; it counts as played when it had scored.
    void gameEnded(std::int64_t score);

  private:
    void readLine(std::string_view line);
    void readActions(std::uint32_t game, std::string_view actions);
    void addRecent(const EnteredScore& entry);

    std::vector<BestGame> m_rows;
    ScoreStatistics m_statistics;
    std::string m_lastName;
    // While a text is read: the game of the row read last, which an actions line belongs to.
    std::uint32_t m_lastRead = 0;
};

}  // namespace varn
