// gamenumber.h: the number of a game, which fixes all of its deals, as a player writes it and as
// a new game draws it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace varn {

// A game's number is the seed of its random source (splitmixsource.h), so the same number and
// the same actions deal the same pieces on any machine and in every version.
inline constexpr std::uint32_t kLastGameNumber = 4294967295u;

// The number that `text` writes: decimal digits alone, leading zeros allowed, from 1 to
// kLastGameNumber. Signs, blanks, other characters, 0 and larger numbers are no game number.
std::optional<std::uint32_t> parseGameNumber(std::string_view text);

// A fresh number for a new game from the kernel's entropy, never 0, so that nothing a player
// can know in advance, such as the time of day, picks the deal.
std::uint32_t drawGameNumber();

}  // namespace varn
