// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// One record of a table with the number of the line it starts on (the first line is 1).
struct TableRecord {
    long long lineNumber = 0;
    std::vector<std::string> cells;
};

// A table as a site or a spreadsheet writes it: comma, semicolon or tab separated, fields quoted
// the RFC 4180 way (a quoted field may hold separators, doubled quotes and line breaks).
struct DelimitedTable {
    char separator = ',';
    bool decimalComma = false;  // numbers written 0,451 (only with a separator other than ',')
    std::vector<TableRecord> records;  // blank lines left out
};

// The text as UTF-8: valid UTF-8 stays as it is; anything else is taken for the Windows
// Latin-1 code page that spreadsheets save "CSV" in, and converted.
std::string asUtf8(std::string_view bytes);

// Reads the whole text: a UTF-8 byte order mark is dropped, lines may end in CR LF, LF or CR,
// and the separator is the one of ',', ';' and tab that the first line uses most (outside
// quotes). Cells keep their text without the surrounding blanks.
DelimitedTable readDelimitedTable(std::string_view text);

}  // namespace quorvane
