// challengetable.cpp: ranking, streaks and the text form of the player's challenges.
#include "challengetable.h"

#include <algorithm>
#include <charconv>
#include <tuple>

#include "excerpt.h"
#include "gamecode.h"
#include "scorekeeper.h"
#include "scoretable.h"

namespace varn {

namespace {

constexpr std::string_view kMagic = "varn-challenges ";
constexpr std::string_view kHeader = "varn-challenges 1";
constexpr std::string_view kComment =
    "# Each challenge, oldest first: day (UTC), score, moves made, name.";
constexpr std::string_view kEnd = "end";

struct BadLine {
    std::string why;
};

std::string_view word(std::string_view& rest) {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view first = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return first;
}

std::int64_t number(std::string_view word, std::int64_t high, const char* what) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    const bool plain = !word.empty() && word[0] != '-' && (word == "0" || word[0] != '0');
    if (!plain || error != std::errc() || end != word.data() + word.size() || value > high)
        throw BadLine{std::string(what) + ' ' + excerpt(word) + " is out of range"};
    return value;
}

// A code holds letters and digits alone; the bound keeps a damaged file's line from a row.
bool isCodeText(std::string_view code) {
    return !code.empty() && code.size() <= kMaxCodeBytes &&
           std::all_of(code.begin(), code.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}

bool ranksBefore(const ChallengeRow& a, const ChallengeRow& b) {
    return std::tie(b.score, a.day) < std::tie(a.score, b.day);
}

ChallengeRow readRow(std::string_view rest) {
    ChallengeRow row;
    const std::string_view day = word(rest);
    const std::optional<Days> parsed = parseDay(day);
    if (!parsed) throw BadLine{"day " + excerpt(day) + " is no day"};
    row.day = *parsed;
    row.score = number(word(rest), ScoreKeeper::kMaxScore, "score");
    row.moves = int(number(word(rest), kChallengeMoves, "moves"));
    row.name = ScoreTable::cleanName(rest);
    return row;
}

}  // namespace

const ChallengeRow* ChallengeTable::find(Days day) const {
    const auto at = std::find_if(m_rows.begin(), m_rows.end(),
                                 [&](const ChallengeRow& row) { return row.day == day; });
    return at == m_rows.end() ? nullptr : &*at;
}

// Replaces the row of its day, or goes where its day belongs; the oldest beyond kKept go, never
// the row just placed, which a clock set back may make the oldest: its day is played.
void ChallengeTable::place(ChallengeRow row) {
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row.day,
                                     [](const ChallengeRow& r, Days day) { return r.day < day; });
    if (at != m_rows.end() && at->day == row.day) {
        *at = std::move(row);
        return;
    }
    const auto placed = m_rows.insert(at, std::move(row));
    if (m_rows.size() > kKept) m_rows.erase(placed == m_rows.begin() ? placed + 1 : m_rows.begin());
}

void ChallengeTable::begin(Days day, std::string_view name) {
    if (!begun(day)) place({day, 0, 0, ScoreTable::cleanName(name), {}, 0, {}});
}

int ChallengeTable::finish(Days day, std::int64_t score, int moves, std::string_view name,
                           std::string_view code) {
    if (finished(day)) return rankOf(day);
    const ChallengeRow* begun = find(day);
    place({day, std::clamp<std::int64_t>(score, 0, ScoreKeeper::kMaxScore),
           std::clamp(moves, 0, kChallengeMoves), ScoreTable::cleanName(name),
           isCodeText(code) ? std::string(code) : std::string(), begun ? begun->par : 0,
           begun ? begun->parCode : std::string()});
    return rankOf(day);
}

void ChallengeTable::setPar(Days day, std::int64_t par, std::string_view code) {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [&](const ChallengeRow& r) { return r.day == day; });
    if (row == m_rows.end() || par <= 0 || !isCodeText(code)) return;
    row->par = std::min<std::int64_t>(par, ScoreKeeper::kMaxScore);
    row->parCode = code;
}

int ChallengeTable::rankOf(Days day) const {
    const ChallengeRow* row = find(day);
    if (!row) return 0;
    const auto before = std::count_if(m_rows.begin(), m_rows.end(), [&](const ChallengeRow& other) {
        return ranksBefore(other, *row);
    });
    return int(before) + 1;
}

std::vector<ChallengeRow> ChallengeTable::best() const {
    std::vector<ChallengeRow> rows = m_rows;
    std::stable_sort(rows.begin(), rows.end(), ranksBefore);
    if (rows.size() > kShown) rows.resize(kShown);
    return rows;
}

// Days after today, from a clock set back, neither count nor break the run.
int ChallengeTable::streak(Days today) const {
    Days next = begun(today) ? today : today - std::chrono::days(1);
    int count = 0;
    for (auto row = m_rows.rbegin(); row != m_rows.rend(); ++row) {
        if (row->day > next) continue;
        if (row->day != next) break;
        ++count;
        next -= std::chrono::days(1);
    }
    return count;
}

std::string ChallengeTable::text() const {
    std::string text = std::string(kHeader) + '\n' + std::string(kComment) + '\n';
    for (const ChallengeRow& row : m_rows) {
        text += "day " + dayText(row.day) + ' ' + std::to_string(row.score) + ' ' +
                std::to_string(row.moves) + ' ' + row.name + '\n';
        if (!row.code.empty()) text += "code " + row.code + '\n';
        if (row.par > 0) text += "par " + std::to_string(row.par) + ' ' + row.parCode + '\n';
    }
    return text + std::string(kEnd) + '\n';
}

// A row, or the code or par of the row read just before, in that order; other lines are only
// read back by text().
void ChallengeTable::readLine(std::string_view line, Last& last) {
    const std::string_view key = word(line);
    if (key == "day") {
        ChallengeRow row = readRow(line);
        last = {row.day, false, false};
        place(std::move(row));
    } else if (key == "code") {
        ChallengeRow& row = rowBefore(last);
        if (last.code || last.par || !isCodeText(line)) throw BadLine{"its code belongs to no row"};
        row.code = line;
        last.code = true;
    } else if (key == "par") {
        ChallengeRow& row = rowBefore(last);
        const std::int64_t par = number(word(line), ScoreKeeper::kMaxScore, "par");
        if (last.par || par == 0 || !isCodeText(line)) throw BadLine{"its par belongs to no row"};
        row.par = par;
        row.parCode = line;
        last.par = true;
    }
}

ChallengeRow& ChallengeTable::rowBefore(const Last& last) {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(), [&](const ChallengeRow& r) {
        return last.day && r.day == *last.day;
    });
    if (row == m_rows.end()) throw BadLine{"it belongs to no row"};
    return *row;
}

// The lines of a file of another version may mean something else now: none of them is read.
ChallengeTable ChallengeTable::parse(std::string_view text, std::string& problem) {
    problem.clear();
    const std::string_view first = text.substr(0, text.find('\n'));
    if (first.size() < text.size() && first.starts_with(kMagic) && first != kHeader) {
        problem = "a Varn of another version wrote it (" + excerpt(first) + ")";
        return {};
    }
    ChallengeTable table;
    Last last;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        const std::string_view line = text.substr(start, end - start);
        ++lineNumber;
        try {
            if (end == std::string_view::npos) throw BadLine{"it breaks off before its end"};
            table.readLine(line, last);
        } catch (const BadLine& bad) {
            if (problem.empty()) problem = "line " + std::to_string(lineNumber) + ": " + bad.why;
        }
        if (end == std::string_view::npos) break;
    }
    if (problem.empty() && table.text() != text) problem = "it is not as Varn writes it";
    return table;
}

}  // namespace varn
