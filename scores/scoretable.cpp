// scoretable.cpp: ranking, counting and the text form of the table of the best games.
#include "scoretable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <tuple>
#include <utility>

#include "excerpt.h"
#include "scorekeeper.h"

namespace varn {

namespace {

using namespace std::chrono;

// The first line: what the file is, and the version of its format.
constexpr std::string_view kMagic = "varn-scores ";
constexpr std::string_view kHeader = "varn-scores 1";
constexpr std::string_view kEnd = "end";
constexpr auto kMaxScore = std::uint64_t(ScoreKeeper::kMaxScore);
constexpr auto kMaxCount = std::numeric_limits<std::uint64_t>::max();
constexpr auto kMaxGame = std::uint64_t(std::numeric_limits<std::uint32_t>::max());
// The times that the text can hold; a clock outside them is held at the nearer end.
constexpr Seconds kEarliest = sys_days(year(1970) / January / 1);
constexpr Seconds kLatest =
    sys_days(year(9999) / December / 31) + hours(23) + minutes(59) + seconds(59);

// Why a line could not be read.
struct BadLine {
    std::string why;
};

// The words of a line, one at a time, split at single blanks; the name takes the rest.
class Fields {
  public:
    explicit Fields(std::string_view line) : m_rest(line) {}
    std::string_view word() {
        const std::size_t end = std::min(m_rest.find(' '), m_rest.size());
        const std::string_view word = m_rest.substr(0, end);
        m_rest.remove_prefix(std::min(end + 1, m_rest.size()));
        return word;
    }
    std::string_view rest() { return std::exchange(m_rest, {}); }
    bool done() const { return m_rest.empty(); }

  private:
    std::string_view m_rest;
};

std::uint64_t number(std::string_view word, std::uint64_t low, std::uint64_t high,
                     const char* what) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < low ||
        value > high) {
        throw BadLine{std::string(what) + ' ' + excerpt(word) + " is out of range"};
    }
    return value;
}

std::int64_t score(std::string_view word) {
    return std::int64_t(number(word, 0, kMaxScore, "score"));
}

// A time as "2026-12-07T18:30:00Z", in UTC.
std::string timeText(Seconds time) {
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()));
    return text;
}

Seconds parseTime(std::string_view word) {
    const bool shaped = word.size() == 20 && word.substr(4, 1) == "-" && word.substr(7, 1) == "-" &&
                        word.substr(10, 1) == "T" && word.substr(13, 1) == ":" &&
                        word.substr(16, 1) == ":" && word.substr(19, 1) == "Z";
    auto field = [&](std::size_t at, std::size_t length, std::uint64_t high) {
        return unsigned(number(word.substr(at, length), 0, high, "time"));
    };
    const std::string why = "time " + excerpt(word) + " is no date and time";
    if (!shaped) throw BadLine{why};
    const year_month_day date(year(int(field(0, 4, 9999))), month(field(5, 2, 12)),
                              day(field(8, 2, 31)));
    if (!date.ok() || date.year() < year(1970)) throw BadLine{why};
    return sys_days(date) + hours(field(11, 2, 23)) + minutes(field(14, 2, 59)) +
           seconds(field(17, 2, 59));
}

bool ranksBefore(const BestGame& a, const BestGame& b) {
    return std::tie(b.score, a.time, a.game) < std::tie(a.score, b.time, b.game);
}

// Puts `row` in its place, one row per game: a game's row is replaced only by a higher score.
// Returns its rank, or 0 when it changed nothing.
int placeRow(std::vector<BestGame>& rows, BestGame row) {
    const auto same = std::find_if(rows.begin(), rows.end(),
                                   [&](const BestGame& other) { return other.game == row.game; });
    if (same != rows.end()) {
        if (same->score >= row.score) return 0;
        rows.erase(same);
    }
    const auto at = std::upper_bound(rows.begin(), rows.end(), row, ranksBefore);
    const auto rank = std::size_t(at - rows.begin()) + 1;
    rows.insert(at, std::move(row));
    if (rows.size() > ScoreTable::kRows) rows.pop_back();
    return rank <= ScoreTable::kRows ? int(rank) : 0;
}

std::uint64_t addCapped(std::uint64_t total, std::uint64_t points) {
    return points > kMaxCount - total ? kMaxCount : total + points;
}

// A row's fields after its key: a hinted row's hints first.
BestGame readRow(Fields& fields, bool hinted) {
    BestGame row;
    if (hinted) row.hints = int(number(fields.word(), 1, kMaxHints, "hints"));
    row.score = score(fields.word());
    row.time = parseTime(fields.word());
    row.game = std::uint32_t(number(fields.word(), 1, kMaxGame, "game number"));
    row.name = ScoreTable::cleanName(fields.rest());
    return row;
}

// The number of the first line in which `text` differs from `written`.
std::size_t firstDifferentLine(std::string_view text, std::string_view written) {
    const auto differ = std::mismatch(text.begin(), text.end(), written.begin(), written.end());
    return 1 + std::size_t(std::count(text.begin(), differ.first, '\n'));
}

}  // namespace

std::string ScoreTable::cleanName(std::string_view name) {
    std::string clean(name);
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = ' ';
    }
    clean.erase(0, std::min(clean.find_first_not_of(' '), clean.size()));
    std::size_t characters = 0;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        // A character starts at every byte that does not continue a UTF-8 sequence.
        const bool starts = (static_cast<unsigned char>(clean[i]) & 0xc0) != 0x80;
        if (starts && ++characters > kMaxNameLength) clean.resize(i);
    }
    clean.erase(clean.find_last_not_of(' ') + 1);
    return clean;
}

int ScoreTable::rankFor(const ScoreOffer& offer) const {
    if (!offer.counts()) return 0;
    std::vector<BestGame> rows = m_rows;
    return placeRow(
        rows, {offer.score, std::clamp(offer.time, kEarliest, kLatest), offer.game, {}, 0, {}});
}

int ScoreTable::enter(const ScoreOffer& offer, std::string_view name) {
    if (!offer.counts()) return 0;
    const Seconds time = std::clamp(offer.time, kEarliest, kLatest);
    m_statistics.entered = addCapped(m_statistics.entered, 1);
    m_statistics.total = addCapped(m_statistics.total, std::uint64_t(offer.score));
    m_statistics.best = std::max(m_statistics.best, offer.score);
    addRecent({offer.score, time});
    const int hints = std::clamp(offer.hints, 0, kMaxHints);
    // Actions are one line of printable text, or none.
    const bool printable = std::all_of(offer.actions.begin(), offer.actions.end(),
                                       [](char c) { return c >= ' ' && c != 0x7f; });
    const int rank = placeRow(m_rows, {offer.score, time, offer.game, cleanName(name), hints,
                                       printable ? offer.actions : std::string()});
    if (rank > 0) m_lastName = cleanName(name);
    return rank;
}

void ScoreTable::gameEnded(std::int64_t score) {
    if (score > 0) m_statistics.played = addCapped(m_statistics.played, 1);
}

void ScoreTable::addRecent(const EnteredScore& entry) {
    m_statistics.recent.push_back(entry);
    if (m_statistics.recent.size() > kRecent)
        m_statistics.recent.erase(m_statistics.recent.begin());
}

std::string ScoreTable::text() const {
    std::string text = std::string(kHeader) + '\n';
    text += "# The best games, best first: score, date and time (UTC), game number, name.\n";
    for (const BestGame& row : m_rows) {
        text += row.hints ? "hinted " + std::to_string(row.hints) + ' ' : std::string("game ");
        text += std::to_string(row.score) + ' ' + timeText(row.time) + ' ' +
                std::to_string(row.game) + ' ' + row.name + '\n';
        if (!row.actions.empty()) text += "actions " + row.actions + '\n';
    }
    text += "# Games played; scores entered, their total and the best of them.\n";
    text += "played " + std::to_string(m_statistics.played) + '\n';
    text += "entered " + std::to_string(m_statistics.entered) + '\n';
    text += "total " + std::to_string(m_statistics.total) + '\n';
    text += "best " + std::to_string(m_statistics.best) + '\n';
    text += "# The last entered scores, oldest first: score, date and time (UTC).\n";
    for (const EnteredScore& entry : m_statistics.recent)
        text += "recent " + std::to_string(entry.score) + ' ' + timeText(entry.time) + '\n';
    if (!m_lastName.empty()) text += "name " + m_lastName + '\n';
    // A file cut after any whole line still lacks this one.
    return text + std::string(kEnd) + '\n';
}

// The actions belong to the row read just before, which has none yet.
void ScoreTable::readActions(std::uint32_t game, std::string_view actions) {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [&](const BestGame& r) { return r.game == game; });
    if (row == m_rows.end() || !row->actions.empty() || actions.empty())
        throw BadLine{"its actions belong to no row"};
    row->actions = actions;
}

void ScoreTable::readLine(std::string_view line) {
    if (line.starts_with('#') || line == kHeader) return;
    Fields fields(line);
    const std::string_view key = fields.word();
    const std::uint32_t lastRead = std::exchange(m_lastRead, 0);
    if (key == "game" || key == "hinted") {
        BestGame row = readRow(fields, key == "hinted");
        m_lastRead = row.game;
        placeRow(m_rows, std::move(row));
    } else if (key == "actions") {
        readActions(lastRead, fields.rest());
    } else if (key == "recent") {
        const std::int64_t points = score(fields.word());
        addRecent({points, parseTime(fields.word())});
    } else if (key == "played" || key == "entered" || key == "total") {
        (key == "played"    ? m_statistics.played
         : key == "entered" ? m_statistics.entered
                            : m_statistics.total) = number(fields.word(), 0, kMaxCount, "count");
    } else if (key == "best") {
        m_statistics.best = score(fields.word());
    } else if (key == "name") {
        m_lastName = cleanName(fields.rest());
    } else if (key != kEnd) {
        throw BadLine{"it is of no known kind"};
    }
    if (!fields.done()) throw BadLine{"it has more than it should"};
}

// The lines of a file of another version may mean something else now: none of them is read.
ScoreTable ScoreTable::parse(std::string_view text, std::string& problem) {
    problem = text.empty() ? "it is empty" : "";
    auto note = [&](std::size_t line, const std::string& why) {
        if (problem.empty()) problem = "line " + std::to_string(line) + ": " + why;
    };
    const std::string_view first = text.substr(0, text.find('\n'));
    if (first.size() < text.size() && first.starts_with(kMagic) && first != kHeader) {
        problem = "a Varn of another version wrote it (" + excerpt(first) + ")";
        return {};
    }
    if (first != kHeader) note(1, "it is not a Varn scores file");
    ScoreTable table;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string_view::npos) {
            note(lineNumber + 1, "it breaks off before its end");
            break;
        }
        try {
            ++lineNumber;
            table.readLine(text.substr(start, end - start));
        } catch (const BadLine& bad) {
            note(lineNumber, bad.why);
        }
    }
    const std::string written = table.text();
    if (written != text) note(firstDifferentLine(text, written), "it is not as Varn writes it");
    return table;
}

}  // namespace varn
