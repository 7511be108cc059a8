// SPDX-License-Identifier: MIT
#include "text/CsvText.h"

#include <cctype>

#include "text/TextChecks.h"

namespace quorvane {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A sign, digits with any thousands and decimal separators, an optional exponent and percent
// sign: nothing a spreadsheet could evaluate beyond the number itself.
bool isNumber(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    bool digits = false;
    for (; at < text.size() && (isDigit(text[at]) || text[at] == '.' || text[at] == ','); ++at) {
        digits = digits || isDigit(text[at]);
    }
    if (!digits) {
        return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            ++at;
        }
        const std::size_t exponent = at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
        }
        if (at == exponent) {
            return false;
        }
    }
    if (at < text.size() && text[at] == '%') {
        ++at;
    }
    return at == text.size();
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string spreadsheetText(std::string_view text) {
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos &&
        !isNumber(text)) {
        return "'" + std::string(text);
    }
    return std::string(text);
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += csvField(spreadsheetText(fields[i]));
    }
    return line;
}

}  // namespace quorvane

namespace quorvane {

std::string csvFileLine(const std::vector<std::string>& fields) {
    std::vector<std::string> written;
    written.reserve(fields.size());
    for (const std::string& field : fields) {
        written.push_back(withoutControlCharacters(field));
    }
    return csvLine(written);
}

}  // namespace quorvane
