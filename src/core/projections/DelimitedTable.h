// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/CheckedNumber.h"

namespace quorvane {

// No projection table has more statistics than this; a wider one is a broken or hostile file,
// refused before its columns are mapped one by one.
inline constexpr std::size_t kMaxTableColumns = 1000;

// A workbook's cells, once their shared texts are filled in, may come to no more text than
// this; a few kilobytes of ZIP that name one long text in every cell would otherwise ask for
// gigabytes.
inline constexpr std::size_t kMaxTableText = 256U * 1024 * 1024;

// The text of a table's cells, kept in blocks that never move: a cell is a view of it that stays
// valid while the table lives, one text shown in many cells (a workbook's shared strings) is kept
// once, and a large table costs no allocation per cell.
class CellTexts {
  public:
    std::string_view keep(std::string_view text);
    std::size_t bytes() const { return m_bytes; }

  private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
    std::size_t m_bytes = 0;
};

// One record of a table with the number of the line it starts on (the first line is 1); in a
// workbook the number of its row. The cells view text the table keeps.
struct TableRecord {
    long long lineNumber = 0;
    std::vector<std::string_view> cells;
};

// A table as a site or a spreadsheet writes it: comma, semicolon or tab separated, fields quoted
// the RFC 4180 way (a quoted field may hold separators, doubled quotes and line breaks), or the
// cells of a workbook's sheet.
struct DelimitedTable {
    char separator = ',';
    NumberConvention numbers = kDecimalPoint;  // decided once from every cell of the table
    std::vector<TableRecord> records;          // blank and all-empty lines left out
    long long blankLines = 0;                  // those left out
    std::size_t widest = 0;  // cells of the widest record; reading stops past kMaxTableColumns
    bool headed = true;      // false for a pasted table without a heading line ("Column 1" ...)
    // Workbooks and pasted tables leave the empty cells at the end of a row out.
    bool shortRowsAllowed = false;
    // What the cells view; copies of the table share it.
    std::shared_ptr<CellTexts> texts = std::make_shared<CellTexts>();

    bool tooWide() const { return widest > kMaxTableColumns; }
};

// Collects the records of a table as a reader finds them: counts the blank ones, notes the
// widest and, once all are in, decides the file's number convention.
class TableBuilder {
  public:
    // The text kept for the table's cells.
    std::string_view keep(std::string_view text) { return m_table.texts->keep(text); }
    // False once a record wider than kMaxTableColumns came: the reader stops there. The cells
    // must view text this builder keeps.
    bool add(long long lineNumber, std::vector<std::string_view> cells);
    // The text of every cell added so far, counted once for each cell that shows it.
    std::size_t cellText() const { return m_cellText; }
    DelimitedTable finish(char separator);

  private:
    DelimitedTable m_table;
    std::size_t m_cellText = 0;
};

// The text as UTF-8, its code page decided on all of its bytes (decideEncoding): bytes that do
// not fit the file's code page become U+FFFD, and the rows holding one are listed, not read.
std::string asUtf8(std::string_view bytes);

// Reads the whole text: byte order marks are dropped wherever they are, lines may end in CR LF,
// LF or CR, and the separator is the one of ',', ';' and tab that the first line uses most
// (outside quotes). Cells keep their text without the surrounding blanks.
DelimitedTable readDelimitedTable(std::string_view text);

// A table as a browser copies it from a page: tab separated, with a heading line or none. A
// first line that holds a number, or no heading the import knows, is a row: the table then
// gets the headings "Column 1", "Column 2" ... for the user to name.
DelimitedTable readPastedTable(std::string_view text);

// The same decision over a table already read (a table piped to the command line).
DelimitedTable withHeadingsOrNumbered(DelimitedTable table);

}  // namespace quorvane
