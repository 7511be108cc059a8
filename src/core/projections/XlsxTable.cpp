// SPDX-License-Identifier: MIT
// .xlsx workbooks: a ZIP archive of XML parts, read with libzip and expat. The sheet is streamed
// through the parser a block at a time, so a large sheet is never held whole as text; a cell
// that shows a shared string views the one copy of it.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

#include <fmt/format.h>

#include "projections/WorkbookParts.h"
#include "projections/WorkbookTables.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

// The last row and column a sheet can have (XFD1048576).
constexpr long long kMaxSheetRow = 1048576;
constexpr std::size_t kMaxSheetColumn = 16384;

struct SheetEntry {
    std::string name;
    std::string relationship;
};

class WorkbookPart final : public PartHandler {
  public:
    std::vector<SheetEntry> sheets;
    bool date1904 = false;

    void start(std::string_view name, const XML_Char** attributes) override {
        if (name == "sheet") {
            const XML_Char* sheetName = attribute(attributes, "name");
            const XML_Char* id = attribute(attributes, "id", true);
            if (sheetName != nullptr && id != nullptr) {
                sheets.push_back({sheetName, id});
            }
        } else if (name == "workbookPr") {
            const XML_Char* flag = attribute(attributes, "date1904");
            date1904 = flag != nullptr &&
                       (std::string_view(flag) == "1" || std::string_view(flag) == "true");
        }
    }
    void end(std::string_view) override {}
};

class RelationshipsPart final : public PartHandler {
  public:
    std::unordered_map<std::string, std::string> targets;

    void start(std::string_view name, const XML_Char** attributes) override {
        if (name == "Relationship") {
            const XML_Char* id = attribute(attributes, "Id");
            const XML_Char* target = attribute(attributes, "Target");
            if (id != nullptr && target != nullptr) {
                targets[id] = target;
            }
        }
    }
    void end(std::string_view) override {}
};

std::string cellTooLong() {
    return fmt::format(
        "has a cell of more than {} characters, longer than a spreadsheet cell can be",
        kMaxCellCharacters);
}

// The texts of <si> entries, kept once in the table's texts: plain <t>, or the <t> of each
// rich-text run; phonetic hints (<rPh>) are no part of the text.
class SharedStringsPart final : public PartHandler {
  public:
    explicit SharedStringsPart(TableBuilder& builder) : m_builder(builder) {}

    std::vector<std::string_view> strings;

    void start(std::string_view name, const XML_Char**) override {
        if (name == "si") {
            m_entry.clear();
            m_inEntry = true;
        } else if (name == "rPh") {
            m_inPhonetic = true;
        } else if (name == "t") {
            m_inText = m_inEntry && !m_inPhonetic;
        }
    }
    void end(std::string_view name) override {
        if (name == "si") {
            strings.push_back(m_builder.keep(withoutByteOrderMarks(m_entry.take())));
            m_inEntry = false;
            // Each entry costs its view besides its text: a part of countless empty entries is
            // as large as one of long ones.
            m_held += sizeof(std::string_view) + strings.back().size();
            if (m_held > kMaxTableText) {
                refuse(tooMuchTableText().what);
            }
        } else if (name == "rPh") {
            m_inPhonetic = false;
        } else if (name == "t") {
            m_inText = false;
        }
    }
    void text(std::string_view text) override {
        if (m_inText && !m_entry.append(text)) {
            refuse(cellTooLong());
        }
    }

  private:
    TableBuilder& m_builder;
    CellTextCollector m_entry;
    std::size_t m_held = 0;
    bool m_inEntry = false;
    bool m_inPhonetic = false;
    bool m_inText = false;
};

// "B12" -> column 1 (from 0); nullopt when the reference holds no column letters, and a column
// past the last a sheet can have when it holds more than three.
std::optional<std::size_t> columnOfReference(std::string_view reference) {
    std::size_t column = 0;
    std::size_t letters = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z') {
            break;
        }
        if (++letters > 3) {
            return kMaxSheetColumn;
        }
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
    }
    if (letters == 0) {
        return std::nullopt;
    }
    return column - 1;
}

// A row's r attribute: a whole number of the sheet's rows, nothing else.
std::optional<long long> rowOfReference(std::string_view reference) {
    long long row = 0;
    const auto [end, error] =
        std::from_chars(reference.data(), reference.data() + reference.size(), row);
    if (error != std::errc() || end != reference.data() + reference.size() || row < 1 ||
        row > kMaxSheetRow) {
        return std::nullopt;
    }
    return row;
}

// A number cell as a spreadsheet's CSV shows it: the shortest decimal that reads back the same.
std::string numberCell(std::string_view stored) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value)) {
        return std::string(stored);
    }
    return numberText(value);
}

class SheetPart final : public PartHandler {
  public:
    SheetPart(TableBuilder& builder, const std::vector<std::string_view>& shared)
        : m_builder(builder), m_shared(shared) {}

    void start(std::string_view name, const XML_Char** attributes) override {
        if (name == "row") {
            long long row = m_row + 1;
            if (const XML_Char* number = attribute(attributes, "r")) {
                const auto given = rowOfReference(number);
                if (!given) {
                    refuse(rowOutOfRange());
                    return;
                }
                // A row numbered before the one above it still comes after it.
                row = std::max(*given, row);
            }
            if (row > kMaxSheetRow) {
                refuse(rowOutOfRange());
                return;
            }
            m_row = row;
            m_cells.clear();
            m_column = 0;
        } else if (name == "c") {
            const XML_Char* reference = attribute(attributes, "r");
            const XML_Char* type = attribute(attributes, "t");
            const auto column = reference == nullptr ? std::nullopt : columnOfReference(reference);
            m_cellColumn = column.value_or(m_column);
            if (m_cellColumn >= kMaxSheetColumn) {
                refuse("has a cell beyond column XFD, the last column a sheet can have");
                return;
            }
            m_column = m_cellColumn + 1;
            m_type = type == nullptr ? "n" : type;
            m_value.clear();
            m_inCell = true;
        } else if ((name == "v" || name == "t") && m_inCell) {
            m_inValue = true;
        }
    }

    void end(std::string_view name) override {
        if (name == "v" || name == "t") {
            m_inValue = false;
        } else if (name == "c") {
            storeCell();
            m_inCell = false;
        } else if (name == "row") {
            addRow();
        }
    }

    void text(std::string_view text) override {
        if (m_inValue && !m_value.append(text)) {
            refuse(cellTooLong());
        }
    }

    bool goOn() const override { return !m_full; }

    DelimitedTable finish() {
        if (!m_full && !m_cells.empty()) {
            addRow();
        }
        return m_builder.finish(',');
    }

  private:
    static std::string rowOutOfRange() {
        return fmt::format("has a row number outside 1 to {}, the rows a sheet can have",
                           kMaxSheetRow);
    }

    void addRow() {
        m_full = m_full || !m_builder.add(m_row, std::move(m_cells));
        m_cells = {};
        if (m_builder.cellText() > kMaxTableText) {
            refuse(tooMuchTableText().what);
        } else if (m_full) {
            stop();
        }
    }

    void storeCell() {
        std::string_view cell;
        if (m_type == "s") {
            std::size_t index = 0;
            const std::string& value = m_value.text();
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), index);
            if (error == std::errc() && index < m_shared.size()) {
                cell = m_shared[index];
            }
        } else if (m_type == "n") {
            cell = m_builder.keep(numberCell(m_value.text()));
        } else if (m_type == "b") {
            cell = m_value.text() == "1" ? "TRUE" : "FALSE";
        } else {
            // inline strings, formula texts, error texts such as #N/A
            cell = m_builder.keep(withoutByteOrderMarks(m_value.text()));
        }
        if (cell.empty()) {
            return;
        }
        // A value far to the right makes the row that wide: the builder refuses it by its width
        // before any cell past the limit is kept.
        if (m_cellColumn >= kMaxTableColumns) {
            m_full = !m_builder.add(m_row, std::vector<std::string_view>(m_cellColumn + 1));
            return;
        }
        if (m_cells.size() <= m_cellColumn) {
            m_cells.resize(m_cellColumn + 1);
        }
        m_cells[m_cellColumn] = cell;
    }

    TableBuilder& m_builder;
    const std::vector<std::string_view>& m_shared;
    std::vector<std::string_view> m_cells;
    std::string m_type;
    CellTextCollector m_value;
    long long m_row = 0;
    std::size_t m_column = 0;
    std::size_t m_cellColumn = 0;
    bool m_inCell = false;
    bool m_inValue = false;
    bool m_full = false;
};

// A target of the workbook's relationships, as a name inside the archive.
std::string partName(const std::string& target) {
    if (target.starts_with('/')) {
        return target.substr(1);
    }
    return "xl/" + target;
}

bool hasPart(zip_t* archive, const char* name) {
    return zip_name_locate(archive, name, 0) >= 0;
}

// Words for a ZIP archive that holds no workbook.
FileProblem notAWorkbook(zip_t* archive) {
    if (hasPart(archive, "word/document.xml")) {
        return {"is a Word document (a ZIP file), not a workbook"};
    }
    if (hasPart(archive, "ppt/presentation.xml")) {
        return {"is a presentation (a ZIP file), not a workbook"};
    }
    if (hasPart(archive, "content.xml") && hasPart(archive, "mimetype")) {
        return {
            "is an OpenDocument file (a ZIP file), not an Excel workbook: save it as .xlsx "
            "or CSV"};
    }
    return {"is a ZIP file but not a workbook"};
}

}  // namespace

FileProblem missingSheet(const std::string& sheet, const std::vector<std::string>& sheets) {
    std::string names;
    for (const std::string& name : sheets) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return {"has no sheet named " + sheet + " (its sheets: " + names + ")"};
}

FileProblem tooMuchTableText() {
    return {
        fmt::format("holds more text than a projection table can (over {} MiB once its shared "
                    "texts are filled in)",
                    kMaxTableText / (1024 * 1024))};
}

std::variant<WorkbookTable, FileProblem> readXlsxTable(std::string_view bytes,
                                                       const std::string& sheet) {
    auto opened = openWorkbookArchive(bytes);
    if (auto* problem = std::get_if<FileProblem>(&opened)) {
        return *problem;
    }
    zip_t* const archive = std::get<ZipArchive>(opened).get();
    const FileProblem damaged{"is a damaged workbook"};
    WorkbookPart workbook;
    const PartResult workbookRead =
        readPart(archive, "xl/workbook.xml", workbook, kMaxListPartBytes);
    if (workbookRead == PartResult::Missing) {
        return notAWorkbook(archive);
    }
    if (workbookRead == PartResult::Refused) {
        return *workbook.problem();
    }
    RelationshipsPart relationships;
    const PartResult relationshipsRead =
        readPart(archive, "xl/_rels/workbook.xml.rels", relationships, kMaxListPartBytes);
    if (relationshipsRead == PartResult::Refused) {
        return *relationships.problem();
    }
    if (workbookRead == PartResult::Broken || relationshipsRead != PartResult::Read ||
        workbook.sheets.empty()) {
        return damaged;
    }
    WorkbookTable result;
    const SheetEntry* chosen = sheet.empty() ? &workbook.sheets.front() : nullptr;
    for (const SheetEntry& entry : workbook.sheets) {
        result.sheets.push_back(entry.name);
        if (!chosen && entry.name == sheet) {
            chosen = &entry;
        }
    }
    if (!chosen) {
        return missingSheet(sheet, result.sheets);
    }
    result.sheet = chosen->name;
    const auto target = relationships.targets.find(chosen->relationship);
    if (target == relationships.targets.end()) {
        return damaged;
    }
    TableBuilder builder;
    SharedStringsPart shared(builder);
    switch (readPart(archive, "xl/sharedStrings.xml", shared, kMaxSheetPartBytes)) {
        case PartResult::Refused:
            return *shared.problem();
        case PartResult::Broken:
            return damaged;
        default:
            break;
    }
    SheetPart cells(builder, shared.strings);
    switch (readPart(archive, partName(target->second), cells, kMaxSheetPartBytes)) {
        case PartResult::Refused:
            return *cells.problem();
        case PartResult::Read:
            break;
        default:
            return damaged;
    }
    result.table = cells.finish();
    result.table.shortRowsAllowed = true;
    return result;
}

}  // namespace quorvane
