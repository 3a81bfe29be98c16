// excerpt.h: how an error line quotes what it found in a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varn {

// At most this many characters of a file are quoted in a line on stderr.
inline constexpr std::size_t kExcerptLength = 32;

// `text` in single quotes, as a person's terminal can show it whatever the file holds: only
// printable ASCII, every other byte a '?', and cut to kExcerptLength with "..." after it.
std::string excerpt(std::string_view text);

}  // namespace varn
