// gamenumber.cpp: game numbers read from text and drawn from the kernel's entropy.
#include "gamenumber.h"

#include <sys/random.h>

#include <cerrno>
#include <system_error>

namespace varn {

std::optional<std::uint32_t> parseGameNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        // Checked at every digit, so a long run of digits can never wrap round.
        if (value > kLastGameNumber) return std::nullopt;
    }
    if (value == 0) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::uint32_t drawGameNumber() {
    std::uint32_t number = 0;
    while (number == 0) {
        // Four bytes from the kernel's pool come whole once it is ready; a signal may cut the
        // wait before that.
        const ssize_t got = getrandom(&number, sizeof number, 0);
        if (got < 0 && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "getrandom");
        if (got != static_cast<ssize_t>(sizeof number)) number = 0;
    }
    return number;
}

}  // namespace varn
