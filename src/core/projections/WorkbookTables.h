// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "projections/DelimitedTable.h"

namespace quorvane {

// One sheet of a workbook read as the CSV a spreadsheet would save of it: texts as they are,
// numbers in their shortest decimal form ("0.451", "2143"), dates and times as the serial
// numbers they are stored as, the row number as the line number.
struct WorkbookTable {
    DelimitedTable table;
    std::vector<std::string> sheets;  // every sheet's name, in the workbook's order
    std::string sheet;                // the one read
};

// What is wrong with a file, in words that follow its name: "is a ZIP file but not a workbook".
struct FileProblem {
    std::string what;
};

// The sheet of that name, or the first one when the name is empty.
std::variant<WorkbookTable, FileProblem> readXlsxTable(std::string_view bytes,
                                                       const std::string& sheet);
std::variant<WorkbookTable, FileProblem> readXlsTable(const std::string& path,
                                                      const std::string& sheet);

// A workbook's "no such sheet" problem, naming the sheets it has.
FileProblem missingSheet(const std::string& sheet, const std::vector<std::string>& sheets);

// A workbook whose cells come to more than kMaxTableText once every cell's text is filled in.
FileProblem tooMuchTableText();

// The serial number a spreadsheet stores a date, a time or both as ("2019-10-15" is 43753,
// "12:00:00" is 0.5), from the text FreeXL gives; nullopt for a text that is none of them.
std::optional<double> spreadsheetSerial(std::string_view text, bool from1904);

}  // namespace quorvane
