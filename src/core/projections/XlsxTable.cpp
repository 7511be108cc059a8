// SPDX-License-Identifier: MIT
// .xlsx workbooks: a ZIP archive of XML parts, read with libzip and expat. The sheet is streamed
// through the parser a block at a time, so a large sheet is never held whole as text.
#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>

#include "projections/WorkbookTables.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

// No real sheet of projections comes near these; a part that unpacks beyond them is a ZIP bomb.
constexpr zip_uint64_t kMaxPartBytes = 512ULL * 1024 * 1024;
constexpr std::size_t kReadBlock = 256 * 1024;

struct ZipArchiveClose {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using Archive = std::unique_ptr<zip_t, ZipArchiveClose>;

// The element's or attribute's name without its namespace prefix ("x:row" -> "row").
std::string_view localName(const XML_Char* name) {
    const std::string_view text(name);
    const std::size_t colon = text.rfind(':');
    return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

const XML_Char* attribute(const XML_Char** attributes, std::string_view wanted,
                          bool prefixed = false) {
    for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
        const std::string_view name(attributes[i]);
        if (localName(attributes[i]) == wanted &&
            (!prefixed || name.find(':') != std::string_view::npos)) {
            return attributes[i + 1];
        }
    }
    return nullptr;
}

// Receives the parser's events for one part of the workbook.
class PartHandler {
  public:
    XML_Parser parser = nullptr;

    virtual ~PartHandler() = default;
    virtual void start(std::string_view name, const XML_Char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}
    // False stops the reading (a sheet too wide to import).
    virtual bool goOn() const { return true; }
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    static_cast<PartHandler*>(data)->start(localName(name), attributes);
}
void XMLCALL onEnd(void* data, const XML_Char* name) {
    static_cast<PartHandler*>(data)->end(localName(name));
}
void XMLCALL onText(void* data, const XML_Char* text, int length) {
    static_cast<PartHandler*>(data)->text(std::string_view(text, static_cast<std::size_t>(length)));
}

// Workbook parts never declare a document type; one that does is refused rather than expanded.
void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    XML_StopParser(static_cast<PartHandler*>(data)->parser, XML_FALSE);
}

enum class PartResult { Read, Missing, Broken };

// Streams one part of the archive through the handler.
PartResult readPart(zip_t* archive, const std::string& name, PartHandler& handler) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name.c_str(), 0, &stat) != 0) {
        return PartResult::Missing;
    }
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > kMaxPartBytes) {
        return PartResult::Broken;
    }
    const std::unique_ptr<zip_file_t, ZipFileClose> file(zip_fopen(archive, name.c_str(), 0));
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate("UTF-8"));
    if (!file || !parser) {
        return PartResult::Broken;
    }
    handler.parser = parser.get();
    XML_SetUserData(parser.get(), &handler);
    XML_SetElementHandler(parser.get(), onStart, onEnd);
    XML_SetCharacterDataHandler(parser.get(), onText);
    XML_SetStartDoctypeDeclHandler(parser.get(), onDoctype);
    std::vector<char> block(kReadBlock);
    zip_uint64_t total = 0;
    while (handler.goOn()) {
        const zip_int64_t got = zip_fread(file.get(), block.data(), block.size());
        if (got < 0) {
            return PartResult::Broken;
        }
        total += static_cast<zip_uint64_t>(got);
        if (total > kMaxPartBytes) {
            return PartResult::Broken;
        }
        const bool last = got == 0;
        if (XML_Parse(parser.get(), block.data(), static_cast<int>(got), last ? 1 : 0) !=
            XML_STATUS_OK) {
            return handler.goOn() ? PartResult::Broken : PartResult::Read;
        }
        if (last) {
            break;
        }
    }
    return PartResult::Read;
}

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

// The texts of <si> entries: plain <t>, or the <t> of each rich-text run; phonetic hints
// (<rPh>) are no part of the text.
class SharedStringsPart final : public PartHandler {
  public:
    std::vector<std::string> strings;

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
            strings.push_back(std::move(m_entry));
            m_entry.clear();
            m_inEntry = false;
        } else if (name == "rPh") {
            m_inPhonetic = false;
        } else if (name == "t") {
            m_inText = false;
        }
    }
    void text(std::string_view text) override {
        if (m_inText) {
            m_entry.append(text);
        }
    }

  private:
    std::string m_entry;
    bool m_inEntry = false;
    bool m_inPhonetic = false;
    bool m_inText = false;
};

// "B12" -> column 1 (from 0); nullopt when the reference holds no column letters.
std::optional<std::size_t> columnOfReference(std::string_view reference) {
    std::size_t column = 0;
    std::size_t letters = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z') {
            break;
        }
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
        if (++letters > 3) {
            return std::nullopt;
        }
    }
    if (letters == 0) {
        return std::nullopt;
    }
    return column - 1;
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
    explicit SheetPart(const std::vector<std::string>& shared) : m_shared(shared) {}

    void start(std::string_view name, const XML_Char** attributes) override {
        if (name == "row") {
            const XML_Char* number = attribute(attributes, "r");
            long long row = m_row + 1;
            if (number != nullptr) {
                std::from_chars(number, number + std::char_traits<char>::length(number), row);
            }
            m_row = std::max(row, m_row + 1);
            m_cells.clear();
            m_column = 0;
        } else if (name == "c") {
            const XML_Char* reference = attribute(attributes, "r");
            const XML_Char* type = attribute(attributes, "t");
            const auto column = reference == nullptr ? std::nullopt : columnOfReference(reference);
            m_cellColumn = column.value_or(m_column);
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
            m_full = m_full || !m_builder.add(m_row, std::move(m_cells));
            m_cells.clear();
            if (m_full) {
                XML_StopParser(parser, XML_FALSE);
            }
        }
    }

    void text(std::string_view text) override {
        if (m_inValue) {
            m_value.append(text);
        }
    }

    bool goOn() const override { return !m_full; }

    DelimitedTable finish() {
        if (!m_full && !m_cells.empty()) {
            m_builder.add(m_row, std::move(m_cells));
        }
        return m_builder.finish(',');
    }

  private:
    void storeCell() {
        std::string cell;
        if (m_type == "s") {
            std::size_t index = 0;
            const auto [end, error] =
                std::from_chars(m_value.data(), m_value.data() + m_value.size(), index);
            if (error == std::errc() && index < m_shared.size()) {
                cell = m_shared[index];
            }
        } else if (m_type == "n") {
            cell = numberCell(m_value);
        } else if (m_type == "b") {
            cell = m_value == "1" ? "TRUE" : "FALSE";
        } else {
            cell = m_value;  // inline strings, formula texts, error texts such as #N/A
        }
        if (cell.empty()) {
            return;
        }
        // A value far to the right makes the row that wide: the builder refuses it by its width
        // before any cell past the limit is kept.
        if (m_cellColumn >= kMaxTableColumns) {
            m_full = !m_builder.add(m_row, std::vector<std::string>(m_cellColumn + 1));
            return;
        }
        if (m_cells.size() <= m_cellColumn) {
            m_cells.resize(m_cellColumn + 1);
        }
        m_cells[m_cellColumn] = withoutByteOrderMarks(cell);
    }

    const std::vector<std::string>& m_shared;
    TableBuilder m_builder;
    std::vector<std::string> m_cells;
    std::string m_type;
    std::string m_value;
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

std::variant<WorkbookTable, FileProblem> readXlsxTable(std::string_view bytes,
                                                       const std::string& sheet) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    Archive archive(source == nullptr ? nullptr : zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        if (source != nullptr) {
            zip_source_free(source);
        }
        return FileProblem{"is a damaged ZIP file"};
    }
    WorkbookPart workbook;
    const PartResult workbookRead = readPart(archive.get(), "xl/workbook.xml", workbook);
    if (workbookRead == PartResult::Missing) {
        return notAWorkbook(archive.get());
    }
    RelationshipsPart relationships;
    if (workbookRead == PartResult::Broken ||
        readPart(archive.get(), "xl/_rels/workbook.xml.rels", relationships) != PartResult::Read ||
        workbook.sheets.empty()) {
        return FileProblem{"is a damaged workbook"};
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
        return FileProblem{"is a damaged workbook"};
    }
    SharedStringsPart shared;
    if (readPart(archive.get(), "xl/sharedStrings.xml", shared) == PartResult::Broken) {
        return FileProblem{"is a damaged workbook"};
    }
    SheetPart cells(shared.strings);
    if (readPart(archive.get(), partName(target->second), cells) != PartResult::Read) {
        return FileProblem{"is a damaged workbook"};
    }
    result.table = cells.finish();
    result.table.shortRowsAllowed = true;
    return result;
}

}  // namespace quorvane
