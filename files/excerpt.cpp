// excerpt.cpp: a short, printable quote of a file's bytes.
#include "excerpt.h"

namespace varn {

std::string excerpt(std::string_view text) {
    std::string quoted(1, '\'');
    for (const char c : text.substr(0, kExcerptLength))
        quoted += c >= ' ' && c <= '~' ? c : '?';
    quoted += text.size() > kExcerptLength ? "...'" : "'";
    return quoted;
}

}  // namespace varn
