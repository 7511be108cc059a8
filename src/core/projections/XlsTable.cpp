// SPDX-License-Identifier: MIT
// .xls workbooks (the binary format spreadsheets wrote before .xlsx), read with FreeXL.
#include <freexl.h>

#include <charconv>
#include <chrono>
#include <memory>
#include <unordered_map>

#include <fmt/format.h>

#include "projections/WorkbookTables.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

struct WorkbookClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using Workbook = std::unique_ptr<const void, WorkbookClose>;

// The format's own limits. FreeXL sets aside room for every cell a sheet declares, whatever
// the file holds, so the declarations are read first and a sheet beyond them refused.
constexpr unsigned int kMaxXlsRows = 65536;
constexpr unsigned int kMaxXlsColumns = 256;
// Every sheet's declared cells together: no more than one full sheet.
constexpr unsigned long long kMaxXlsCells = 65536ULL * 256;

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

// The cells' texts kept for the table; a text of the shared string table is kept once, however
// many cells show it.
class XlsCellTexts {
  public:
    XlsCellTexts(TableBuilder& builder, bool from1904) : m_builder(builder), m_from1904(from1904) {}

    std::string_view of(const FreeXL_CellValue& value) {
        switch (value.type) {
            case FREEXL_CELL_INT:
                return m_builder.keep(std::to_string(value.value.int_value));
            case FREEXL_CELL_DOUBLE:
                return m_builder.keep(numberText(value.value.double_value));
            case FREEXL_CELL_SST_TEXT:
                if (value.value.text_value == nullptr) {
                    return {};
                }
                return shared(value.value.text_value);
            case FREEXL_CELL_TEXT:
                return value.value.text_value == nullptr
                           ? std::string_view()
                           : m_builder.keep(withoutByteOrderMarks(value.value.text_value));
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (value.value.text_value != nullptr) {
                    const std::string_view text(value.value.text_value);
                    if (const auto serial = spreadsheetSerial(text, m_from1904)) {
                        return m_builder.keep(numberText(*serial));
                    }
                    return m_builder.keep(text);
                }
                return {};
            default:
                return {};
        }
    }

  private:
    std::string_view shared(const char* text) {
        const auto [found, added] = m_shared.try_emplace(text);
        if (added) {
            found->second = m_builder.keep(withoutByteOrderMarks(text));
        }
        return found->second;
    }

    TableBuilder& m_builder;
    bool m_from1904;
    std::unordered_map<const char*, std::string_view> m_shared;
};

// What is wrong with the sheets' declared sizes, read before FreeXL sets room aside for them.
std::optional<FileProblem> declaredSizeProblem(const std::string& path) {
    const void* opened = nullptr;
    const int status = freexl_open_info(path.c_str(), &opened);
    const Workbook handle(opened);
    unsigned int sheetCount = 0;
    if (status != FREEXL_OK ||
        freexl_get_info(opened, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK) {
        return std::nullopt;  // the full opening says what is wrong
    }
    unsigned long long cells = 0;
    for (unsigned short index = 0; index < sheetCount; ++index) {
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_select_active_worksheet(opened, index) != FREEXL_OK ||
            freexl_worksheet_dimensions(opened, &rows, &columns) != FREEXL_OK) {
            continue;
        }
        cells += static_cast<unsigned long long>(rows) * columns;
        if (rows > kMaxXlsRows || columns > kMaxXlsColumns || cells > kMaxXlsCells) {
            return FileProblem{fmt::format(
                "declares a sheet of {} rows and {} columns, more than a workbook can hold", rows,
                columns)};
        }
    }
    return std::nullopt;
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
    if (auto problem = declaredSizeProblem(path)) {
        return *problem;
    }
    const void* opened = nullptr;
    const int status = freexl_open(path.c_str(), &opened);
    const Workbook handle(opened);
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
    XlsCellTexts texts(builder, dateMode == FREEXL_BIFF_DATEMODE_1904);
    for (unsigned int row = 0; row < rows; ++row) {
        std::vector<std::string_view> cells;
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value{};
            if (freexl_get_cell_value(opened, row, column, &value) != FREEXL_OK) {
                return FileProblem{"is a damaged workbook"};
            }
            if (const std::string_view text = texts.of(value); !text.empty()) {
                cells.resize(column + 1U);
                cells[column] = text;
            }
        }
        if (!builder.add(row + 1LL, std::move(cells))) {
            break;
        }
        if (builder.cellText() > kMaxTableText) {
            return tooMuchTableText();
        }
    }
    result.table = builder.finish(',');
    result.table.shortRowsAllowed = true;
    return result;
}

}  // namespace quorvane
