// SPDX-License-Identifier: MIT
// .xls workbooks (the binary format spreadsheets wrote before .xlsx), read with FreeXL.
#include <freexl.h>

#include <charconv>
#include <chrono>
#include <memory>

#include "projections/WorkbookTables.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

struct WorkbookClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};

std::optional<int> digits(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "YYYY-MM-DD" as days since the spreadsheet's day 0.
std::optional<double> dateSerial(std::string_view text, bool from1904) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(text.substr(0, 4));
    const auto month = digits(text.substr(5, 2));
    const auto day = digits(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(*year),
                              std::chrono::month(static_cast<unsigned>(*month)),
                              std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    // Day 0 is 1899-12-30 in the 1900 system (its false 29 February 1900 included), 1904-01-01
    // in the other.
    const sys_days origin = from1904 ? sys_days(std::chrono::year(1904) / 1 / 1)
                                     : sys_days(std::chrono::year(1899) / 12 / 30);
    return static_cast<double>((sys_days(date) - origin).count());
}

// "HH:MM:SS" as the fraction of a day.
std::optional<double> timeFraction(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') {
        return std::nullopt;
    }
    const auto hours = digits(text.substr(0, 2));
    const auto minutes = digits(text.substr(3, 2));
    const auto seconds = digits(text.substr(6, 2));
    if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return (*hours * 3600.0 + *minutes * 60.0 + *seconds) / 86400.0;
}

std::string cellText(const FreeXL_CellValue& value, bool from1904) {
    switch (value.type) {
        case FREEXL_CELL_INT:
            return std::to_string(value.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return numberText(value.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return value.value.text_value == nullptr
                       ? std::string()
                       : withoutByteOrderMarks(value.value.text_value);
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME:
            if (value.value.text_value != nullptr) {
                const std::string_view text(value.value.text_value);
                if (const auto serial = spreadsheetSerial(text, from1904)) {
                    return numberText(*serial);
                }
                return std::string(text);
            }
            return {};
        default:
            return {};
    }
}

}  // namespace

std::optional<double> spreadsheetSerial(std::string_view text, bool from1904) {
    if (const auto time = timeFraction(text)) {
        return time;
    }
    if (text.size() == 19 && text[10] == ' ') {
        const auto date = dateSerial(text.substr(0, 10), from1904);
        const auto time = timeFraction(text.substr(11));
        return date && time ? std::optional<double>(*date + *time) : std::nullopt;
    }
    return dateSerial(text, from1904);
}

std::variant<WorkbookTable, FileProblem> readXlsTable(const std::string& path,
                                                      const std::string& sheet) {
    const void* opened = nullptr;
    const int status = freexl_open(path.c_str(), &opened);
    const std::unique_ptr<const void, WorkbookClose> handle(opened);
    if (status != FREEXL_OK) {
        if (status == FREEXL_BIFF_OBFUSCATED) {
            return FileProblem{"is a password-protected workbook"};
        }
        return FileProblem{"is an Office (OLE) file but not a workbook that can be read"};
    }
    unsigned int info = 0;
    if (freexl_get_info(opened, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED) {
        return FileProblem{"is a password-protected workbook"};
    }
    unsigned int sheetCount = 0;
    if (freexl_get_info(opened, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK ||
        sheetCount == 0) {
        return FileProblem{"is a workbook without sheets"};
    }
    unsigned int dateMode = FREEXL_BIFF_DATEMODE_1900;
    freexl_get_info(opened, FREEXL_BIFF_DATEMODE, &dateMode);
    WorkbookTable result;
    std::optional<unsigned short> chosen;
    for (unsigned short index = 0; index < sheetCount; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(opened, index, &name) != FREEXL_OK || name == nullptr) {
            return FileProblem{"is a damaged workbook"};
        }
        result.sheets.emplace_back(name);
        if (!chosen && (sheet.empty() || sheet == name)) {
            chosen = index;
        }
    }
    if (!chosen) {
        return missingSheet(sheet, result.sheets);
    }
    result.sheet = result.sheets[*chosen];
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(opened, *chosen) != FREEXL_OK ||
        freexl_worksheet_dimensions(opened, &rows, &columns) != FREEXL_OK) {
        return FileProblem{"is a damaged workbook"};
    }
    TableBuilder builder;
    const bool from1904 = dateMode == FREEXL_BIFF_DATEMODE_1904;
    for (unsigned int row = 0; row < rows; ++row) {
        std::vector<std::string> cells;
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value{};
            if (freexl_get_cell_value(opened, row, column, &value) != FREEXL_OK) {
                return FileProblem{"is a damaged workbook"};
            }
            std::string text = cellText(value, from1904);
            if (!text.empty()) {
                cells.resize(column + 1U);
                cells[column] = std::move(text);
            }
        }
        if (!builder.add(row + 1LL, std::move(cells))) {
            break;
        }
    }
    result.table = builder.finish(',');
    result.table.shortRowsAllowed = true;
    return result;
}

}  // namespace quorvane
