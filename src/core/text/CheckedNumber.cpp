// SPDX-License-Identifier: MIT
#include "text/CheckedNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "text/NumberText.h"

namespace quorvane {

namespace {

// Blanks a site may put around or inside a number: space, tab, no-break space (U+00A0),
// thin space (U+2009) and narrow no-break space (U+202F).
std::size_t blankLength(std::string_view text) {
    if (text.starts_with(' ') || text.starts_with('\t')) {
        return 1;
    }
    if (text.starts_with("\xC2\xA0")) {
        return 2;
    }
    if (text.starts_with("\xE2\x80\x89") || text.starts_with("\xE2\x80\xAF")) {
        return 3;
    }
    return 0;
}

std::string_view trimBlanks(std::string_view text) {
    for (std::size_t n = blankLength(text); n != 0; n = blankLength(text)) {
        text.remove_prefix(n);
    }
    while (!text.empty()) {
        std::size_t n = 0;
        for (const std::size_t tail : {std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
            if (text.size() >= tail && blankLength(text.substr(text.size() - tail)) == tail) {
                n = tail;
                break;
            }
        }
        if (n == 0) {
            break;
        }
        text.remove_suffix(n);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct ParsedNumber {
    NumberStatus status = NumberStatus::NotANumber;
    bool negative = false;
    double magnitude = 0.0;
};

// The syntax of one convention, without any range: sign, grouped whole part, fraction, exponent.
ParsedNumber parseInConvention(std::string_view text, NumberConvention convention) {
    ParsedNumber parsed;
    text = trimBlanks(text);
    if (text.empty()) {
        parsed.status = NumberStatus::Empty;
        return parsed;
    }
    if (text.front() == '+' || text.front() == '-') {
        parsed.negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.starts_with("\xE2\x88\x92")) {  // the typographic minus sign
        parsed.negative = true;
        text.remove_prefix(3);
    }
    std::string plain;  // digits, '.', exponent: what from_chars reads
    std::size_t groupDigits = 0;
    bool grouped = false;
    bool firstGroup = true;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            plain += c;
            ++groupDigits;
            continue;
        }
        const std::size_t blank = blankLength(text.substr(i));
        if (c == convention.thousandsMark || blank != 0) {
            if (groupDigits == 0 || (firstGroup && groupDigits > 3) ||
                (!firstGroup && groupDigits != 3)) {
                return parsed;
            }
            grouped = true;
            firstGroup = false;
            groupDigits = 0;
            i += blank == 0 ? 0 : blank - 1;
            continue;
        }
        break;
    }
    if (grouped && groupDigits != 3) {
        return parsed;
    }
    bool anyDigit = !plain.empty();
    if (i < text.size() && text[i] == convention.decimalMark) {
        plain += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return parsed;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            plain += text[i++];
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
        }
        if (i == exponentStart) {
            return parsed;
        }
    }
    if (i != text.size()) {
        return parsed;
    }
    if (plain.starts_with('.')) {
        plain.insert(0, "0");
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range ||
        (error == std::errc() && !std::isfinite(value))) {
        parsed.status = NumberStatus::OutOfRange;
        return parsed;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) {
        return parsed;
    }
    parsed.status = NumberStatus::Ok;
    parsed.magnitude = value;
    return parsed;
}

}  // namespace

NumberReading readCheckedNumber(std::string_view text, NumberConvention convention,
                                FieldRange range) {
    const ParsedNumber parsed = parseInConvention(text, convention);
    NumberReading reading;
    reading.status = parsed.status;
    if (parsed.status != NumberStatus::Ok) {
        return reading;
    }
    // A field that cannot be negative refuses any minus sign, "-0" included: a room that sends
    // "-0" as a price is not sending a price.
    if (parsed.negative && range.low >= 0.0) {
        reading.status = NumberStatus::OutOfRange;
        return reading;
    }
    const double value = parsed.negative ? -parsed.magnitude : parsed.magnitude;
    if (value < range.low || value > range.high) {
        reading.status = NumberStatus::OutOfRange;
        return reading;
    }
    reading.value = value;
    return reading;
}

NumberReading readCheckedWholeNumber(std::string_view text, NumberConvention convention,
                                     FieldRange range) {
    NumberReading reading = readCheckedNumber(text, convention, range);
    if (reading.ok() && reading.value != std::floor(reading.value)) {
        reading.status = NumberStatus::NotANumber;
    }
    return reading;
}

bool isPlainDecimal(std::string_view text) {
    const auto digitsAt = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && isDigit(text[end])) {
            ++end;
        }
        return end;
    };
    const std::size_t whole = digitsAt(0);
    if (whole == 0) {
        return false;
    }
    if (whole == text.size()) {
        return true;
    }
    return text[whole] == '.' && whole + 1 < text.size() && digitsAt(whole + 1) == text.size();
}

void NumberConventionTally::add(std::string_view cell) {
    const bool byPoint = parseInConvention(cell, kDecimalPoint).status == NumberStatus::Ok;
    const bool byComma = parseInConvention(cell, kDecimalComma).status == NumberStatus::Ok;
    if (byPoint && byComma) {
        return;
    }
    m_pointOnly += byPoint ? 1 : 0;
    m_commaOnly += byComma ? 1 : 0;
}

NumberConvention NumberConventionTally::decision() const {
    return m_commaOnly > m_pointOnly ? kDecimalComma : kDecimalPoint;
}

NumberConvention detectNumberConvention(std::span<const std::string_view> cells) {
    NumberConventionTally tally;
    for (const std::string_view cell : cells) {
        tally.add(cell);
    }
    return tally.decision();
}

std::string numberProblemText(const NumberReading& reading, FieldRange range) {
    switch (reading.status) {
        case NumberStatus::Ok:
            return {};
        case NumberStatus::Empty:
            return "is empty";
        case NumberStatus::NotANumber:
            return "is not a number";
        case NumberStatus::OutOfRange:
            break;
    }
    return "is outside " + numberText(range.low) + " to " + numberText(range.high);
}

std::optional<int> checkedRoundToInt(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::round(value);
    if (rounded < static_cast<double>(std::numeric_limits<int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

}  // namespace quorvane
