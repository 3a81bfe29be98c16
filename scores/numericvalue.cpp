// numericvalue.cpp: reads the leading decimal number of a text, as the score labels are compared.
#include "numericvalue.h"

#include <cstdlib>
#include <string>

namespace varn {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the characters that form the number, dropping blanks wherever they stand, so that
// the result can be handed to strtod. Stops at the first character that cannot continue it.
std::string leadingNumber(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    // The character under the cursor; past the end, one that continues nothing.
    auto at = [&] { return i < text.size() ? text[i] : '\0'; };
    auto take = [&] { number += text[i++]; };
    auto skipBlanks = [&] {
        while (isBlank(at()))
            ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); isDigit(at()); skipBlanks()) {
            take();
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (at() == '+' || at() == '-') take();
    bool digits = takeDigits();
    if (at() == '.') {
        take();
        digits = takeDigits() || digits;
    }
    if (!digits) return {};
    if (at() == 'e' || at() == 'E') {
        const std::string mantissa = number;
        take();
        if (at() == '+' || at() == '-') take();
        if (!takeDigits()) return mantissa;
    }
    return number;
}

}  // namespace

double numericValue(std::string_view text) {
    const std::string number = leadingNumber(text);
    if (number.empty()) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace varn
