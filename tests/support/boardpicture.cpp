// boardpicture.cpp: converting between boards and their text pictures.
#include "boardpicture.h"

#include <stdexcept>
#include <string_view>

namespace varn::test {

namespace {

constexpr std::string_view kSymbols = "01234J.????BRCG";

Code codeOf(char symbol) {
    const auto at = kSymbols.find(symbol);
    if (at == std::string_view::npos || symbol == '?') {
        throw std::invalid_argument(std::string("no piece is written '") + symbol + "'");
    }
    return static_cast<Code>(at);
}

template <typename CellText>
std::string grid(CellText cellText) {
    std::string text;
    for (int cell = 0; cell < kCellCount; ++cell) {
        text += cellText(cell);
        if (columnOf(cell) == kBoardSide - 1) text += '\n';
    }
    return text;
}

}  // namespace

BoardTables boardFromPicture(const std::string& picture) {
    BoardTables tables;
    int cell = 0;
    for (char symbol : picture) {
        if (symbol == ' ' || symbol == '\n') continue;
        if (cell == kCellCount) throw std::invalid_argument("more than 100 cells in the picture");
        tables.Board[cell++] = codeOf(symbol);
    }
    if (cell != kCellCount) throw std::invalid_argument("fewer than 100 cells in the picture");
    return tables;
}

std::string pictureOf(const BoardTables& tables) {
    return grid([&](int cell) { return kSymbols.at(tables.Board[cell]); });
}

std::string marksOf(const BoardTables& tables) {
    return grid([&](int cell) { return tables.isMarked(cell) ? 'x' : '.'; });
}

}  // namespace varn::test
