// savedline.cpp: the checksum that closes each line of a saved game, and the words within.
#include "savedline.h"

#include <cstdint>

#include "crc32.h"

namespace varn {

namespace {

// " #" and eight hexadecimal digits.
constexpr std::size_t kChecksumWidth = 10;

std::uint32_t checksum(std::string_view text) {
    return crc32({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string closed(std::string content) {
    const std::uint32_t crc = checksum(content);
    content += " #";
    for (int shift = 28; shift >= 0; shift -= 4)
        content += kHexDigits[(crc >> shift) & 0xF];
    content += '\n';
    return content;
}

std::string_view checked(std::string_view line) {
    if (line.size() < kChecksumWidth || line.substr(line.size() - kChecksumWidth, 2) != " #")
        throw SavedFormatError("the line has no checksum");
    const std::string_view content = line.substr(0, line.size() - kChecksumWidth);
    std::uint32_t crc = 0;
    for (const char c : line.substr(line.size() - 8)) {
        if (hexValue(c) < 0) throw SavedFormatError("the line has no checksum");
        crc = crc << 4 | static_cast<std::uint32_t>(hexValue(c));
    }
    if (crc != checksum(content)) throw SavedFormatError("the line does not match its checksum");
    return content;
}

std::string_view word(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string_view first = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    return first;
}

void expectWord(std::string_view& rest, std::string_view wanted) {
    if (word(rest) == wanted) return;
    throw SavedFormatError(excerpt(wanted) + " is missing");
}

}  // namespace varn
