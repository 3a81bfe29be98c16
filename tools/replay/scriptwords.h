// scriptwords.h: the words of a replay script: its lines split, its numbers and cells read, the
// board written as a script writes it, and the error that a line which cannot run is.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "boardtables.h"

namespace varn {

// A line that cannot run as written: the driver names the line and stops with status 2.
class BadInput : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> splitWords(const std::string& line);
// The items joined by `separator`, or `none` when there are none.
std::string joined(const std::vector<std::string>& items, char separator, const char* none);
// The whole of `word` as a number from `low` to `high`; `what` names it in the error.
int parseInteger(const std::string& word, int low, int high, const char* what);
// A random number as the deal takes it: single precision, 0 <= u < 1.
float parseUniform(const std::string& word);
// The command `words[0]` with `count - 1` arguments after it.
void expectCount(const std::vector<std::string>& words, std::size_t count);
// A cell as a script writes it and as the driver prints it: the piece code, then '*' when the
// cell is marked.
void setCell(BoardTables& tables, int cell, const std::string& word);
// The board as a script writes it: ten rows of ten cells, each its code and '*' when marked.
void printBoard(std::ostream& out, const BoardTables& tables);

}  // namespace varn
