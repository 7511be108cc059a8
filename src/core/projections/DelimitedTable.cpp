// SPDX-License-Identifier: MIT
#include "projections/DelimitedTable.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "projections/TableFields.h"
#include "text/NumberText.h"
#include "text/TextEncoding.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

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

bool isBlankRecord(const std::vector<std::string_view>& cells) {
    return std::all_of(cells.begin(), cells.end(),
                       [](std::string_view cell) { return cell.empty(); });
}

// Texts of a large table share blocks of this size; a longer text gets a block of its own.
constexpr std::size_t kTextBlock = 256 * 1024;

}  // namespace

std::string asUtf8(std::string_view bytes) {
    return textAsUtf8(bytes, decideEncoding(bytes));
}

std::string_view CellTexts::keep(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    m_bytes += text.size();
    if (text.size() > kTextBlock / 4) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
        std::copy(text.begin(), text.end(), m_blocks.back().get());
        return {m_blocks.back().get(), text.size()};
    }
    if (text.size() > m_left) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(kTextBlock));
        m_free = m_blocks.back().get();
        m_left = kTextBlock;
    }
    char* const kept = m_free;
    std::copy(text.begin(), text.end(), kept);
    m_free += text.size();
    m_left -= text.size();
    return {kept, text.size()};
}

bool TableBuilder::add(long long lineNumber, std::vector<std::string_view> cells) {
    m_table.widest = std::max(m_table.widest, cells.size());
    if (m_table.tooWide()) {
        return false;
    }
    for (const std::string_view cell : cells) {
        m_cellText += cell.size();
    }
    if (isBlankRecord(cells)) {
        ++m_table.blankLines;
        return true;
    }
    m_table.records.push_back({lineNumber, std::move(cells)});
    return true;
}

DelimitedTable TableBuilder::finish(char separator) {
    m_table.separator = separator;
    // Only a cell holding a '.' or a ',' can tell the two conventions apart.
    NumberConventionTally tally;
    for (const TableRecord& record : m_table.records) {
        for (const std::string_view cell : record.cells) {
            if (cell.size() < 32 && cell.find_first_of(".,") != std::string_view::npos) {
                tally.add(cell);
            }
        }
    }
    m_table.numbers = tally.decision();
    return std::move(m_table);
}

DelimitedTable readDelimitedTable(std::string_view original) {
    // A large file is copied only when it holds a byte order mark to take out.
    const bool marked = original.find("\xEF\xBB\xBF") != std::string_view::npos;
    const std::string cleaned = marked ? withoutByteOrderMarks(original) : std::string();
    const std::string_view text = marked ? std::string_view(cleaned) : original;
    const char separator = detectSeparator(text);
    TableBuilder builder;

    long long line = 1;
    long long recordLine = 1;
    std::vector<std::string_view> cells;
    std::string cell;
    bool quoted = false;
    bool wasQuoted = false;
    bool full = false;
    std::size_t width = 0;  // cells in the record before, to reserve for the next
    const auto endCell = [&] {
        // Past the limit the cells are only counted: the table is refused by its width.
        if (cells.size() <= kMaxTableColumns) {
            cells.push_back(builder.keep(wasQuoted ? std::string_view(cell) : trimmedView(cell)));
        } else {
            cells.emplace_back();
        }
        cell.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        endCell();
        width = std::max(width, cells.size());
        full = !builder.add(recordLine, std::move(cells));
        cells = {};
        cells.reserve(std::min(width, kMaxTableColumns + 1));
        recordLine = line;
    };
    for (std::size_t i = 0; i < text.size() && !full; ++i) {
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
        } else if (c == '"' && trimmedView(cell).empty()) {
            cell.clear();
            quoted = true;
            wasQuoted = true;
        } else if (c == separator) {
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
    if (!full && (!cell.empty() || !cells.empty())) {
        endRecord();
    }
    return builder.finish(separator);
}

DelimitedTable readPastedTable(std::string_view text) {
    return withHeadingsOrNumbered(readDelimitedTable(text));
}

DelimitedTable withHeadingsOrNumbered(DelimitedTable table) {
    if (table.records.empty()) {
        return table;
    }
    const std::vector<std::string_view>& first = table.records.front().cells;
    const bool holdsNumber = std::any_of(first.begin(), first.end(), [&](std::string_view cell) {
        return readCheckedNumber(cell, table.numbers, {0.0, 1e12}).ok();
    });
    const bool namesAField = std::any_of(first.begin(), first.end(), [](std::string_view cell) {
        return recogniseHeading(cell).has_value();
    });
    table.shortRowsAllowed = true;
    if (!holdsNumber && namesAField) {
        return table;
    }
    TableRecord headings{0, {}};
    for (std::size_t c = 0; c < table.widest; ++c) {
        headings.cells.push_back(table.texts->keep("Column " + std::to_string(c + 1)));
    }
    table.records.insert(table.records.begin(), std::move(headings));
    table.headed = false;
    table.shortRowsAllowed = true;
    return table;
}

}  // namespace quorvane
