// readback.h: what the text tables' fuzz targets ask of a reader: a text it reads without a
// problem is exactly the text it writes back.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

// Reads `text` with Table::parse and aborts unless it keeps that promise; when the text is one
// the table wrote, it must also read without a problem.
template <class Table>
Table readBack(std::string_view text, bool written) {
    std::string problem;
    Table table = Table::parse(text, problem);
    if ((written && !problem.empty()) || (problem.empty() && table.text() != text)) std::abort();
    return table;
}
