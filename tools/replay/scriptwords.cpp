// scriptwords.cpp: splitting a script's lines, reading the numbers and cells in them, and
// writing the board in their form.
#include "scriptwords.h"

#include <charconv>
#include <cstdlib>
#include <ostream>
#include <sstream>

namespace varn {

namespace {

// The width of a printed cell: a code of two digits and its mark.
constexpr std::size_t kCellWidth = 3;

}  // namespace

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

std::string joined(const std::vector<std::string>& items, char separator, const char* none) {
    if (items.empty()) return none;
    std::string text = items[0];
    for (std::size_t i = 1; i < items.size(); ++i) {
        text += separator;
        text += items[i];
    }
    return text;
}

int parseInteger(const std::string& word, int low, int high, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high) {
        throw BadInput(std::string(what) + " '" + word + "' is out of range");
    }
    return value;
}

float parseUniform(const std::string& word) {
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    const auto u = static_cast<float>(value);
    // Checked after the rounding to single precision: 0.999999999 would become 1.
    if (word.empty() || *end != '\0' || !(u >= 0.0f && u < 1.0f)) {
        throw BadInput("random number '" + word + "' is not a decimal with 0 <= u < 1");
    }
    return u;
}

void expectCount(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() != count) {
        throw BadInput("'" + words[0] + "' takes " + std::to_string(count - 1) +
                       " argument(s), not " + std::to_string(words.size() - 1));
    }
}

void setCell(BoardTables& tables, int cell, const std::string& word) {
    const bool marked = word.size() > 1 && word.back() == '*';
    const std::string digits = marked ? word.substr(0, word.size() - 1) : word;
    const int code = parseInteger(digits, 0, piece::Gem, "code");
    if (!isBoardCode(code)) throw BadInput("code '" + digits + "' is no piece");
    tables.Board[cell] = static_cast<Code>(code);
    tables.Marked[cell] = marked ? kTrue : kFalse;
}

void printBoard(std::ostream& out, const BoardTables& tables) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::string text =
            std::to_string(tables.Board[cell]) + (tables.isMarked(cell) ? "*" : "");
        if (columnOf(cell) == kBoardSide - 1) {
            out << text << '\n';
        } else {
            // Columns three wide, but never without a blank: a marked "13*" must still read
            // back as its own cell.
            const std::size_t pad = text.size() < kCellWidth ? kCellWidth - text.size() : 1;
            out << text << std::string(pad, ' ');
        }
    }
}

}  // namespace varn
