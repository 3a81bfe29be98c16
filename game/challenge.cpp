// challenge.cpp: the day's game number and the text of a day.
#include "challenge.h"

#include <algorithm>
#include <cstdio>

namespace varn {

using namespace std::chrono;

std::uint32_t challengeNumber(Days day) {
    auto z = static_cast<std::uint64_t>(day.time_since_epoch().count());
    z = z * 0x9E3779B97F4A7C15u + 0xD1B54A32D192ED03u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    const auto number = static_cast<std::uint32_t>(z >> 32);
    return number == 0 ? 1 : number;
}

std::string dayText(Days day) {
    const year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()));
    return text;
}

std::optional<Days> parseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto field = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* end = text.data() + at + length;
        for (const char* c = text.data() + at; c < end; ++c) {
            if (*c < '0' || *c > '9') return std::nullopt;
            value = value * 10 + (*c - '0');
        }
        return value;
    };
    const auto y = field(0, 4), m = field(5, 2), d = field(8, 2);
    if (!y || !m || !d || *y < 1970) return std::nullopt;
    const year_month_day date{year(*y), month(unsigned(*m)), day(unsigned(*d))};
    if (!date.ok()) return std::nullopt;
    return sys_days(date);
}

bool keptDay(Days day) {
    const year_month_day date(day);
    return date.year() >= year(1970) && date.year() <= year(9999);
}

// Each bar is as high against the highest as its ten moves' points against the best ten's, from
// a lowest bar for none.
std::string resultLine(const ChallengeResult& result) {
    static constexpr const char* kBars[] = {"▁", "▂", "▃", "▄", "▅", "▆", "▇", "█"};
    std::vector<std::int64_t> tens;
    for (std::size_t move = 0; move < result.movePoints.size(); ++move) {
        if (move % 10 == 0) tens.push_back(0);
        tens.back() += result.movePoints[move];
    }
    std::int64_t most = 1;
    for (const std::int64_t points : tens)
        most = std::max(most, points);
    std::string bars;
    for (const std::int64_t points : tens)
        bars += kBars[points <= 0 ? 0 : 1 + (points * 7 - 1) / most];
    const std::string share =
        result.par > 0
            ? ", " + std::to_string((200 * result.score + result.par) / (2 * result.par)) +
                  " % of par"
            : "";
    return "Varn challenge " + dayText(result.day) + ": " + std::to_string(result.score) +
           " points in " + std::to_string(result.moves) + " moves" + share +
           (bars.empty() ? "" : " " + bars);
}

}  // namespace varn
