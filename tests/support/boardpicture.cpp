// boardpicture.cpp: boards from their text pictures.
#include "boardpicture.h"

#include <stdexcept>
#include <string_view>

namespace varn::test {

BoardTables boardFromPicture(const std::string& picture) {
    constexpr std::string_view kSymbols = "01234J.????BRCG";
    BoardTables tables;
    int cell = 0;
    for (char symbol : picture) {
        if (symbol == ' ' || symbol == '\n') continue;
        const auto code = kSymbols.find(symbol);
        if (code == std::string_view::npos || symbol == '?') {
            throw std::invalid_argument(std::string("no piece is written '") + symbol + "'");
        }
        if (cell == kCellCount) throw std::invalid_argument("more than 100 cells in the picture");
        tables.Board[cell++] = static_cast<Code>(code);
    }
    if (cell != kCellCount) throw std::invalid_argument("fewer than 100 cells in the picture");
    return tables;
}

std::string checkerWith(std::initializer_list<std::pair<int, char>> pieces) {
    std::string picture;
    for (int cell = 0; cell < kCellCount; ++cell)
        picture += static_cast<char>('1' + (rowOf(cell) + columnOf(cell)) % 2);
    for (const auto& [cell, symbol] : pieces)
        picture[static_cast<std::size_t>(cell)] = symbol;
    return picture;
}

}  // namespace varn::test
