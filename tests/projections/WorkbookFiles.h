// SPDX-License-Identifier: MIT
// Workbooks made in the tests: .xlsx with libzip's own writer, .xls as the bytes of a BIFF8
// workbook in a compound file, written here field by field.
#pragma once

#include <zip.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "session/PlayerPages.h"

namespace quorvane::test {

// A cell: text, or a number as the workbook stores it.
using WorkbookCell = std::variant<std::string, double>;
using WorkbookRows = std::vector<std::vector<WorkbookCell>>;

struct WorkbookSheet {
    std::string name;
    WorkbookRows rows;
};

inline std::string columnLetters(std::size_t column) {
    std::string letters;
    for (++column; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters;
}

// Text cells go through the shared strings, except every third one of a row, which is written
// inline as some generators do.
inline std::string sheetXml(const WorkbookRows& rows, std::vector<std::string>& shared) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        xml += "<row r=\"" + std::to_string(r + 1) + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::string reference = columnLetters(c) + std::to_string(r + 1);
            if (const auto* number = std::get_if<double>(&rows[r][c])) {
                char text[64];
                std::snprintf(text, sizeof text, "%.17g", *number);
                xml += "<c r=\"" + reference + "\"><v>" + text + "</v></c>";
            } else if (const std::string& text = std::get<std::string>(rows[r][c]); text.empty()) {
                continue;
            } else if (c % 3 == 2) {
                xml += "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + escapeHtml(text) +
                       "</t></is></c>";
            } else {
                xml += "<c r=\"" + reference + "\" t=\"s\"><v>" + std::to_string(shared.size()) +
                       "</v></c>";
                shared.push_back(text);
            }
        }
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

inline bool addZipText(zip_t* archive, const std::string& name, const std::string& text) {
    char* copy = nullptr;
    if (!text.empty()) {
        copy = static_cast<char*>(std::malloc(text.size()));
        std::memcpy(copy, text.data(), text.size());
    }
    zip_source_t* source = zip_source_buffer(archive, copy, text.size(), 1);
    return source != nullptr &&
           zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) >= 0;
}

inline const std::string kOfficeNs = "http://schemas.openxmlformats.org/";

inline std::string workbookXml(const std::vector<std::string>& sheetNames) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<workbook xmlns=\"" + kOfficeNs +
                      "spreadsheetml/2006/main\" xmlns:r=\"" + kOfficeNs +
                      "officeDocument/2006/relationships\"><sheets>";
    for (std::size_t s = 0; s < sheetNames.size(); ++s) {
        xml += "<sheet name=\"" + escapeHtml(sheetNames[s]) + "\" sheetId=\"" +
               std::to_string(s + 1) + "\" r:id=\"rId" + std::to_string(s + 1) + "\"/>";
    }
    return xml + "</sheets></workbook>";
}

inline std::string relationshipsXml(std::size_t sheets) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Relationships xmlns=\"" +
                      kOfficeNs + "package/2006/relationships\">";
    for (std::size_t s = 0; s < sheets; ++s) {
        xml += "<Relationship Id=\"rId" + std::to_string(s + 1) + "\" Type=\"" + kOfficeNs +
               "officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet" +
               std::to_string(s + 1) + ".xml\"/>";
    }
    return xml + "</Relationships>";
}

// An archive of the parts as given, in their order.
inline bool writeZip(const std::string& path,
                     const std::vector<std::pair<std::string, std::string>>& parts) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    bool written = true;
    for (const auto& [name, text] : parts) {
        written = written && addZipText(archive, name, text);
    }
    return zip_close(archive) == 0 && written;
}

// A workbook of one sheet whose sheet and shared strings are written as given: what no
// spreadsheet saves but a hostile file holds.
inline bool writeRawXlsx(const std::string& path, const std::string& sheet,
                         const std::string& sharedStrings = {}) {
    std::vector<std::pair<std::string, std::string>> parts = {
        {"xl/workbook.xml", workbookXml({"Sheet1"})},
        {"xl/_rels/workbook.xml.rels", relationshipsXml(1)},
        {"xl/worksheets/sheet1.xml", sheet}};
    if (!sharedStrings.empty()) {
        parts.emplace_back("xl/sharedStrings.xml", sharedStrings);
    }
    return writeZip(path, parts);
}

inline bool writeXlsx(const std::string& path, const std::vector<WorkbookSheet>& sheets) {
    std::vector<std::pair<std::string, std::string>> parts;
    std::vector<std::string> names;
    std::vector<std::string> shared;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        names.push_back(sheets[s].name);
        parts.emplace_back("xl/worksheets/sheet" + std::to_string(s + 1) + ".xml",
                           sheetXml(sheets[s].rows, shared));
    }
    std::string strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sst xmlns=\"" + kOfficeNs +
                          "spreadsheetml/2006/main\" count=\"" + std::to_string(shared.size()) +
                          "\">";
    for (std::size_t i = 0; i < shared.size(); ++i) {
        // Every other entry as rich text in two runs, as a spreadsheet stores a cell with a bold
        // part; a phonetic hint that is no part of the text follows.
        if (i % 2 == 1 && shared[i].size() > 1) {
            strings += "<si><r><t>" + escapeHtml(shared[i].substr(0, 1)) + "</t></r><r><t>" +
                       escapeHtml(shared[i].substr(1)) + "</t></r><rPh><t>x</t></rPh></si>";
        } else {
            strings += "<si><t>" + escapeHtml(shared[i]) + "</t></si>";
        }
    }
    strings += "</sst>";
    parts.emplace_back("xl/workbook.xml", workbookXml(names));
    parts.emplace_back("xl/_rels/workbook.xml.rels", relationshipsXml(sheets.size()));
    parts.emplace_back("xl/sharedStrings.xml", strings);
    parts.emplace_back("[Content_Types].xml",
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Types xmlns=\"" + kOfficeNs +
                           "package/2006/content-types\"/>");
    return writeZip(path, parts);
}

// Little-endian writing for the binary workbook.
inline void put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}
inline void put32(std::string& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}
inline void putRecord(std::string& stream, std::uint16_t type, const std::string& body) {
    put16(stream, type);
    put16(stream, static_cast<std::uint16_t>(body.size()));
    stream += body;
}

// UTF-8 to UTF-16LE code units (the names in these tests need no surrogates).
inline std::u16string utf16(const std::string& text) {
    std::u16string units;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t code = byte;
        std::size_t length = 1;
        if (byte >= 0xE0) {
            code = byte & 0x0F;
            length = 3;
        } else if (byte >= 0xC0) {
            code = byte & 0x1F;
            length = 2;
        }
        for (std::size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        units += static_cast<char16_t>(code);
        i += length;
    }
    return units;
}

// The Workbook stream of a BIFF8 workbook of one sheet: texts through the shared string table,
// numbers as NUMBER records.
// The sheet's size as its DIMENSIONS record declares it: rows and columns.
struct DeclaredSize {
    std::uint32_t rows = 0;
    std::uint16_t columns = 0;
};

inline std::string biffWorkbookStream(const std::string& sheetName, const WorkbookRows& rows,
                                      std::optional<DeclaredSize> declared = std::nullopt) {
    std::vector<std::string> strings;
    std::string cells;
    std::size_t columns = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        columns = std::max(columns, rows[r].size());
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::string body;
            put16(body, static_cast<std::uint16_t>(r));
            put16(body, static_cast<std::uint16_t>(c));
            put16(body, 15);  // the default cell format
            if (const auto* number = std::get_if<double>(&rows[r][c])) {
                char raw[8];
                std::memcpy(raw, number, sizeof raw);
                body.append(raw, sizeof raw);
                putRecord(cells, 0x0203, body);
            } else if (!std::get<std::string>(rows[r][c]).empty()) {
                put32(body, static_cast<std::uint32_t>(strings.size()));
                strings.push_back(std::get<std::string>(rows[r][c]));
                putRecord(cells, 0x00FD, body);
            }
        }
    }
    // The stream must reach 4096 bytes to lie in ordinary sectors: one long unused string does it.
    strings.push_back(std::string(3000, 'x'));
    std::string sst;
    put32(sst, static_cast<std::uint32_t>(strings.size()));
    put32(sst, static_cast<std::uint32_t>(strings.size()));
    for (const std::string& text : strings) {
        const std::u16string units = utf16(text);
        put16(sst, static_cast<std::uint16_t>(units.size()));
        sst += '\x01';
        for (const char16_t unit : units) {
            put16(sst, unit);
        }
    }
    const auto bof = [](std::uint16_t kind) {
        std::string body;
        put16(body, 0x0600);
        put16(body, kind);
        put16(body, 0x0DBB);
        put16(body, 0x07CC);
        put32(body, 0);
        put32(body, 0x06);
        return body;
    };
    std::string xf;  // a plain cell format, written 16 times for the style formats and once more
    for (int i = 0; i < 10; ++i) {
        put16(xf, 0);
    }
    std::string globals;
    putRecord(globals, 0x0809, bof(0x0005));
    std::string codepage;
    put16(codepage, 0x04B0);
    putRecord(globals, 0x0042, codepage);
    for (int i = 0; i < 16; ++i) {
        putRecord(globals, 0x00E0, xf);
    }
    std::string boundsheet;
    put32(boundsheet, 0);  // the sheet's offset, filled in below
    boundsheet += '\0';
    boundsheet += '\0';
    boundsheet += static_cast<char>(sheetName.size());
    boundsheet += '\0';
    boundsheet += sheetName;
    const std::size_t boundsheetAt = globals.size() + 4;
    putRecord(globals, 0x0085, boundsheet);
    putRecord(globals, 0x00FC, sst);
    putRecord(globals, 0x000A, {});
    const auto sheetOffset = static_cast<std::uint32_t>(globals.size());
    std::string offset;
    put32(offset, sheetOffset);
    globals.replace(boundsheetAt, 4, offset);

    std::string sheet;
    putRecord(sheet, 0x0809, bof(0x0010));
    std::string dimensions;
    put32(dimensions, 0);
    put32(dimensions, declared ? declared->rows : static_cast<std::uint32_t>(rows.size()));
    put16(dimensions, 0);
    put16(dimensions, declared ? declared->columns : static_cast<std::uint16_t>(columns));
    put16(dimensions, 0);
    putRecord(sheet, 0x0200, dimensions);
    sheet += cells;
    putRecord(sheet, 0x000A, {});
    return globals + sheet;
}

// A compound file holding one stream "Workbook": header, one FAT sector, the stream's sectors,
// one directory sector.
inline std::string xlsBytes(const std::string& sheetName, const WorkbookRows& rows,
                            std::optional<DeclaredSize> declared = std::nullopt) {
    constexpr std::uint32_t kEnd = 0xFFFFFFFE;
    constexpr std::uint32_t kFree = 0xFFFFFFFF;
    std::string stream = biffWorkbookStream(sheetName, rows, declared);
    const std::size_t streamSize = stream.size();
    stream.resize((stream.size() + 511) / 512 * 512, '\0');
    const auto streamSectors = static_cast<std::uint32_t>(stream.size() / 512);
    const std::uint32_t directorySector = 1 + streamSectors;

    std::string header = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    header.append(16, '\0');
    put16(header, 0x003E);
    put16(header, 0x0003);
    put16(header, 0xFFFE);
    put16(header, 0x0009);
    put16(header, 0x0006);
    header.append(6, '\0');
    put32(header, 0);
    put32(header, 1);  // FAT sectors
    put32(header, directorySector);
    put32(header, 0);
    put32(header, 0x1000);
    put32(header, kEnd);
    put32(header, 0);
    put32(header, kEnd);
    put32(header, 0);
    put32(header, 0);  // the FAT is sector 0
    for (int i = 1; i < 109; ++i) {
        put32(header, kFree);
    }

    std::string fat;
    put32(fat, 0xFFFFFFFD);
    for (std::uint32_t s = 1; s <= streamSectors; ++s) {
        put32(fat, s == streamSectors ? kEnd : s + 1);
    }
    put32(fat, kEnd);
    while (fat.size() < 512) {
        put32(fat, kFree);
    }

    const auto entry = [](const std::string& name, char type, std::uint32_t child,
                          std::uint32_t start, std::uint32_t size) {
        std::string bytes;
        for (const char c : name) {
            put16(bytes, static_cast<std::uint16_t>(c));
        }
        put16(bytes, 0);
        bytes.resize(64, '\0');
        put16(bytes, static_cast<std::uint16_t>(name.empty() ? 0 : (name.size() + 1) * 2));
        bytes += type;
        bytes += '\x01';
        put32(bytes, 0xFFFFFFFF);
        put32(bytes, 0xFFFFFFFF);
        put32(bytes, child);
        bytes.append(16 + 4 + 16, '\0');
        put32(bytes, start);
        put32(bytes, size);
        put32(bytes, 0);
        return bytes;
    };
    std::string directory =
        entry("Root Entry", '\x05', 1, kEnd, 0) +
        entry("Workbook", '\x02', 0xFFFFFFFF, 1, static_cast<std::uint32_t>(streamSize)) +
        entry("", '\0', 0xFFFFFFFF, 0, 0) + entry("", '\0', 0xFFFFFFFF, 0, 0);
    return header + fat + stream + directory;
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace quorvane::test
