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
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && isDigit(text[i]); skipBlanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = takeDigits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        digits = takeDigits() || digits;
    }
    if (!digits) return {};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string mantissa = number;
        number += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
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
