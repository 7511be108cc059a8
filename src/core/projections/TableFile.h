// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "projections/DelimitedTable.h"
#include "projections/WorkbookTables.h"

namespace quorvane {

// A table as read from a file or from standard input, with the sheets when it was a workbook.
struct TableFile {
    DelimitedTable table;
    std::vector<std::string> sheets;  // empty for a text table
    std::string sheet;                // the sheet read
};

// The bytes as a table, whatever the file is: an .xlsx or .xls workbook (found by its first
// bytes, not its name), or text in UTF-8, UTF-16 or the Windows code page. Anything else (a PDF,
// an image, a web page, a program ...) is a problem saying what it is. `path` is where the bytes
// came from, empty for standard input.
std::variant<TableFile, FileProblem> readTableBytes(std::string_view bytes, const std::string& path,
                                                    const std::string& sheet);

}  // namespace quorvane
