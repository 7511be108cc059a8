// SPDX-License-Identifier: MIT
#include "projections/TableFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "text/Utf8Text.h"

namespace quorvane {

namespace {

struct Signature {
    std::string_view bytes;
    std::string_view what;  // empty: a workbook to read
};

constexpr std::string_view kZip = "PK\x03\x04";
constexpr std::string_view kEmptyZip = "PK\x05\x06";
constexpr std::string_view kOle = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

constexpr std::array kOtherFiles = {
    Signature{"%PDF", "is a PDF document, not a table"},
    Signature{"\x89PNG", "is an image (PNG), not a table"},
    Signature{"\xFF\xD8\xFF", "is an image (JPEG), not a table"},
    Signature{"GIF8", "is an image (GIF), not a table"},
    Signature{"\x1F\x8B", "is a compressed (gzip) file, not a table"},
    Signature{"\xFD"
              "7zXZ",
              "is a compressed (xz) file, not a table"},
    Signature{"7z\xBC\xAF", "is a compressed (7-Zip) file, not a table"},
    Signature{"Rar!", "is a compressed (RAR) file, not a table"},
    Signature{std::string_view("SQLite format 3\0", 16), "is a database, not a table"},
    Signature{"\x7F"
              "ELF",
              "is a program, not a table"},
};

std::string lowerStart(std::string_view bytes) {
    std::string start;
    for (const char c : bytes.substr(0, 512)) {
        start += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::size_t first = start.find_first_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : start.substr(first);
}

// UTF-16 text (a spreadsheet's "Unicode text") as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16AsUtf8(std::string_view bytes, bool littleEndian) {
    std::string text;
    text.reserve(bytes.size());
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return littleEndian ? (static_cast<char32_t>(b) << 8) | a
                            : (static_cast<char32_t>(a) << 8) | b;
    };
    for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
        char32_t code = unit(at);
        if (code >= 0xD800 && code < 0xDC00 && at + 3 < bytes.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            } else {
                code = 0xFFFD;
            }
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        appendUtf8(text, code);
    }
    return text;
}

// FreeXL reads workbooks from a path only: bytes from standard input go through a private
// temporary file, removed at once.
std::variant<WorkbookTable, FileProblem> readXlsBytes(std::string_view bytes,
                                                      const std::string& sheet) {
    std::string name = (std::filesystem::temp_directory_path() / "quorvane-table-XXXXXX").string();
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) {
        return FileProblem{"could not be kept in a temporary file to be read"};
    }
    close(descriptor);
    {
        std::ofstream file(name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    auto result = readXlsTable(name, sheet);
    std::error_code error;
    std::filesystem::remove(name, error);
    return result;
}

TableFile fromWorkbook(WorkbookTable&& workbook) {
    return TableFile{std::move(workbook.table), std::move(workbook.sheets),
                     std::move(workbook.sheet)};
}

}  // namespace

std::variant<TableFile, FileProblem> readTableBytes(std::string_view bytes, const std::string& path,
                                                    const std::string& sheet) {
    if (bytes.starts_with(kZip) || bytes.starts_with(kEmptyZip)) {
        auto workbook = readXlsxTable(bytes, sheet);
        if (auto* problem = std::get_if<FileProblem>(&workbook)) {
            return *problem;
        }
        return fromWorkbook(std::get<WorkbookTable>(std::move(workbook)));
    }
    if (bytes.starts_with(kOle)) {
        auto workbook = path.empty() ? readXlsBytes(bytes, sheet) : readXlsTable(path, sheet);
        if (auto* problem = std::get_if<FileProblem>(&workbook)) {
            return *problem;
        }
        return fromWorkbook(std::get<WorkbookTable>(std::move(workbook)));
    }
    for (const Signature& other : kOtherFiles) {
        if (bytes.starts_with(other.bytes)) {
            return FileProblem{std::string(other.what)};
        }
    }
    if (!sheet.empty()) {
        return FileProblem{"is a text table, which has no sheets"};
    }
    std::string text;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        text = utf16AsUtf8(bytes, bytes.starts_with("\xFF\xFE"));
    } else {
        const std::string start = lowerStart(bytes);
        if (start.starts_with("<!doctype html") || start.starts_with("<html")) {
            return FileProblem{
                "is a web page, not a table: select the table on the page, copy "
                "it and paste it"};
        }
        if (start.starts_with("<?xml") || start.starts_with("{") || start.starts_with("[{")) {
            return FileProblem{"is an XML or JSON document, not a table"};
        }
        // Text never holds NUL bytes; a file whose start does is some binary format.
        if (bytes.substr(0, 4096).find('\0') != std::string_view::npos) {
            return FileProblem{"is a binary file, not a table"};
        }
        text = asUtf8(bytes);
    }
    return TableFile{readDelimitedTable(text), {}, {}};
}

}  // namespace quorvane
