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
class LeadingNumber {
  public:
    explicit LeadingNumber(std::string_view text) : m_text(text) {}

    std::string read() {
        skipBlanks();
        takeSign();
        bool digits = takeDigits();
        if (at() == '.') {
            take();
            digits = takeDigits() || digits;
        }
        if (!digits) return {};
        if (at() == 'e' || at() == 'E') takeExponent();
        return m_number;
    }

  private:
    // The character under the cursor; past the end, one that continues nothing.
    char at() const { return m_i < m_text.size() ? m_text[m_i] : '\0'; }
    void take() { m_number += m_text[m_i++]; }
    void skipBlanks() {
        while (isBlank(at()))
            ++m_i;
    }
    void takeSign() {
        if (at() == '+' || at() == '-') take();
    }
    bool takeDigits() {
        bool any = false;
        for (skipBlanks(); isDigit(at()); skipBlanks()) {
            take();
            any = true;
        }
        return any;
    }
    // An exponent without digits is no part of the number.
    void takeExponent() {
        const std::size_t mantissa = m_number.size();
        take();
        takeSign();
        if (!takeDigits()) m_number.resize(mantissa);
    }

    std::string_view m_text;
    std::size_t m_i = 0;
    std::string m_number;
};

}  // namespace

double numericValue(std::string_view text) {
    const std::string number = LeadingNumber(text).read();
    if (number.empty()) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace varn
