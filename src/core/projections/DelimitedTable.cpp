// SPDX-License-Identifier: MIT
#include "projections/DelimitedTable.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "store/NumberText.h"

namespace quorvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char detectSeparator(std::string_view text) {
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            for (std::size_t i = 0; i < kCandidates.size(); ++i) {
                counts[i] += c == kCandidates[i] ? 1 : 0;
            }
        }
    }
    // A tie (a one-column table) keeps the comma.
    const auto most = std::max_element(counts.begin(), counts.end());
    return kCandidates[static_cast<std::size_t>(most - counts.begin())];
}

bool isBlankRecord(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(),
                       [](const std::string& cell) { return cell.empty(); });
}

// A number with a decimal point or a decimal comma, nothing else: "0.451", "12,5".
bool looksDecimal(std::string_view cell, char mark) {
    const std::size_t at = cell.find(mark);
    if (at == std::string_view::npos || at == 0 || at + 1 == cell.size()) {
        return false;
    }
    const auto digits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        });
    };
    std::string_view whole = cell.substr(0, at);
    if (whole.front() == '-') {
        whole.remove_prefix(1);
    }
    return digits(whole) && digits(cell.substr(at + 1));
}

bool detectDecimalComma(const DelimitedTable& table) {
    if (table.separator == ',') {
        return false;
    }
    long long commas = 0;
    long long points = 0;
    for (const TableRecord& record : table.records) {
        for (const std::string& cell : record.cells) {
            commas += looksDecimal(cell, ',') ? 1 : 0;
            points += looksDecimal(cell, '.') ? 1 : 0;
        }
    }
    return commas > points;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80           ? 1
                                   : (byte >> 5) == 0x6  ? 2
                                   : (byte >> 4) == 0xE  ? 3
                                   : (byte >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Code points of the bytes 0x80 to 0x9F in the Windows Latin-1 code page (0 where it has none);
// the bytes from 0xA0 are the code points of the same number.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string asUtf8(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t code = byte >= 0x80 && byte < 0xA0 ? kWindows1252[byte - 0x80] : byte;
        if (code < 0x80) {
            text += static_cast<char>(code == 0 ? '?' : code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

DelimitedTable readDelimitedTable(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    DelimitedTable table;
    table.separator = detectSeparator(text);

    long long line = 1;
    TableRecord record{1, {}};
    std::string cell;
    bool quoted = false;
    bool wasQuoted = false;
    std::size_t width = 0;  // cells in the record before, to reserve for the next
    const auto endCell = [&] {
        record.cells.emplace_back(wasQuoted ? std::string_view(cell) : trimmedView(cell));
        cell.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        endCell();
        width = std::max(width, record.cells.size());
        if (!isBlankRecord(record.cells)) {
            table.records.push_back(std::move(record));
        }
        record = TableRecord{line, {}};
        record.cells.reserve(width);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                    ++line;
                }
                cell += c;
            }
        } else if (c == '"' && trim(cell).empty()) {
            cell.clear();
            quoted = true;
            wasQuoted = true;
        } else if (c == table.separator) {
            endCell();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRecord();
        } else if (!wasQuoted) {
            cell += c;
        }
    }
    if (!cell.empty() || !record.cells.empty()) {
        endRecord();
    }
    table.decimalComma = detectDecimalComma(table);
    return table;
}

}  // namespace quorvane
