// savedline.h: a line of a saved game as every kind of line has it: closed by its checksum, and
// read a word and a number at a time.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

#include "excerpt.h"
#include "savedformat.h"

namespace varn {

inline constexpr char kHexDigits[] = "0123456789abcdef";

// The value of a lowercase hexadecimal digit; -1 for any other character.
int hexValue(char c);
// The line with its checksum and its newline.
std::string closed(std::string content);
// What the line holds before its checksum, once the checksum is found right.
std::string_view checked(std::string_view line);
// Takes the first word, up to a blank, off `rest`.
std::string_view word(std::string_view& rest);
void expectWord(std::string_view& rest, std::string_view wanted);

// The whole of `text` as a Number; `what` names it in the error.
template <typename Number>
Number number(std::string_view text, const char* what) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw SavedFormatError(std::string(what) + ' ' + excerpt(text) + " is no number in range");
    return value;
}

}  // namespace varn
