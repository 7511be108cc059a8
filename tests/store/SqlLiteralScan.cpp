// SPDX-License-Identifier: MIT
#include "SqlLiteralScan.h"

#include <array>
#include <cctype>
#include <regex>

namespace quorvane::test {

namespace {

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads the literal that opens at `at` (the quote, or the R of a raw string) and returns the
// index after it.
std::size_t readLiteral(std::string_view source, std::size_t at, std::string& text) {
    if (source[at] == 'R') {
        const std::size_t open = source.find('(', at + 2);
        const std::string closing = ")" + std::string(source.substr(at + 2, open - at - 2)) + "\"";
        const std::size_t close = source.find(closing, open);
        const std::size_t end = close == std::string_view::npos ? source.size() : close;
        text += source.substr(open + 1, end - open - 1);
        return end == source.size() ? end : end + closing.size();
    }
    std::size_t index = at + 1;
    while (index < source.size() && source[index] != '"' && source[index] != '\n') {
        if (source[index] == '\\' && index + 1 < source.size()) {
            text += source[index + 1] == 'n' ? '\n' : source[index + 1];
            index += 2;
            continue;
        }
        text += source[index++];
    }
    return index + 1;
}

bool opensRawLiteral(std::string_view source, std::size_t index) {
    return source[index] == 'R' && index + 1 < source.size() && source[index + 1] == '"' &&
           (index == 0 || !(std::isalnum(static_cast<unsigned char>(source[index - 1])) ||
                            source[index - 1] == '_'));
}

}  // namespace

std::vector<SourceLiteral> stringLiteralsOf(std::string_view source) {
    std::vector<SourceLiteral> literals;
    int line = 1;
    std::size_t lastEnd = std::string_view::npos;
    std::size_t index = 0;
    while (index < source.size()) {
        const char c = source[index];
        if (c == '\n') {
            ++line;
            ++index;
        } else if (source.substr(index, 2) == "//") {
            index = source.find('\n', index);
            index = index == std::string_view::npos ? source.size() : index;
        } else if (source.substr(index, 2) == "/*") {
            const std::size_t end = source.find("*/", index + 2);
            const std::size_t stop = end == std::string_view::npos ? source.size() : end + 2;
            for (std::size_t at = index; at < stop; ++at) {
                line += source[at] == '\n' ? 1 : 0;
            }
            index = stop;
        } else if (c == '\'') {
            // A character literal such as '"' must not open a string.
            index += source[index + 1] == '\\' ? 4 : 3;
        } else if (c == '"' || opensRawLiteral(source, index)) {
            bool joined = lastEnd != std::string_view::npos;
            for (std::size_t at = lastEnd; joined && at < index; ++at) {
                joined = isSpace(source[at]);
            }
            if (!joined) {
                literals.push_back(SourceLiteral{line, {}});
            }
            const std::size_t end = readLiteral(source, index, literals.back().text);
            for (std::size_t at = index; at < end && at < source.size(); ++at) {
                line += source[at] == '\n' ? 1 : 0;
            }
            index = lastEnd = end;
        } else {
            ++index;
        }
    }
    return literals;
}

bool holdsSql(std::string_view text) {
    const auto flags = std::regex::ECMAScript | std::regex::icase;
    static const std::regex selectStart(R"(\bselect\s+(distinct\s+)?[\w.*(])", flags);
    // "from" then a table or a subquery; "from the draft" is English.
    static const std::regex selectSource(R"(\bfrom\s+(?!the\b|a\b|an\b|your\b|this\b)[\w(])",
                                         flags);
    static const std::array<std::regex, 13> patterns = [flags] {
        return std::array<std::regex, 13>{
            std::regex(R"(\binsert\s+(or\s+\w+\s+)?into\s+\w+\s*(\(|select\b|values\b|default\b))",
                       flags),
            std::regex(R"(\bupdate\s+\w+\s+set\s)", flags),
            std::regex(R"(\bdelete\s+from\s+\w)", flags),
            std::regex(R"(\bcreate\s+(temp\w*\s+)?(table|index|view|trigger|unique)\b)", flags),
            std::regex(R"(\bdrop\s+(table|index|view|trigger)\b)", flags),
            std::regex(R"(\bpragma\s+\w)", flags),
            std::regex(R"(\balter\s+table\b)", flags),
            std::regex(
                R"(\bwhere\s+[\w.]+\s*(=|<>|<|>|\bin\s*\(|\bis\s+(not\s+)?null\b|\blike\b|\bbetween\b))",
                flags),
            std::regex(R"(\border\s+by\s+[\w.]+)", flags),
            std::regex(R"(\bgroup\s+by\s+[\w.]+)", flags),
            std::regex(R"(\b(left|inner|cross)\s+join\s+\w)", flags),
            std::regex(R"(\bbegin\s+(immediate|exclusive|deferred|transaction)\b)", flags),
            std::regex(R"(\bvalues\s*\(\s*\?)", flags),
        };
    }();
    const std::string owned(text);
    std::smatch select;
    if (std::regex_search(owned, select, selectStart) &&
        std::regex_search(owned.cbegin() + select.position(0), owned.cend(), selectSource)) {
        return true;
    }
    for (const std::regex& pattern : patterns) {
        if (std::regex_search(owned, pattern)) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvane::test
