// SPDX-License-Identifier: MIT
#include "text/NumberText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

#include <fmt/format.h>

namespace quorvane {

std::string numberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    // Most grid figures are counts. Below 100000 a whole number's shortest text is its digits
    // (from 100000 on, "1e+05" is shorter), which the integer conversion writes far faster.
    if (std::fabs(value) < 1e5 && value == std::trunc(value)) {
        std::array<char, 8> digits{};
        const auto result =
            std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<int>(value));
        return std::string(digits.data(), result.ptr);
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> parseNumber(std::string_view text) {
    const std::string trimmed = trim(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    std::string_view digits = trimmed;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseWholeNumber(std::string_view text, long long low, long long high) {
    const std::string trimmed = trim(text);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    std::string_view digits = trimmed;
    if (digits.front() == '+') {
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || value < low ||
        value > high) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string trimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string_view trimmedView(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

std::string trim(std::string_view text) {
    return std::string(trimmedView(text));
}

// Works on the decimal text of the value so that 0.125 rounds to 0.13 as a user would expect.
namespace {

// Powers of ten are exact doubles up to 1e22; the grids format every figure, so no pow call.
double powerOfTen(int exponent) {
    static constexpr std::array<double, 23> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return exponent >= 0 && exponent < static_cast<int>(kPowers.size())
               ? kPowers[static_cast<std::size_t>(exponent)]
               : std::pow(10.0, exponent);
}

// `rounded` is a whole number of units of its last decimal, as roundHalfAway leaves it. Its
// fixed text is that whole number with the point put in: below 1e15 units the double lies so
// close to it that a correctly rounded conversion gives the same digits, without the cost of
// one. Larger figures and those that are not numbers go through the conversion.
std::string fixedText(double rounded, int decimals) {
    const double units = rounded * powerOfTen(decimals);
    if (!(std::fabs(units) < 1e15)) {
        return fmt::format("{:.{}f}", rounded, decimals);
    }
    const long long whole = std::llround(units);
    const auto magnitude = static_cast<unsigned long long>(whole < 0 ? -whole : whole);
    const auto scale = static_cast<unsigned long long>(powerOfTen(decimals));
    std::array<char, 32> buffer{};
    char* out = buffer.data();
    if (whole < 0) {
        *out++ = '-';
    }
    out = std::to_chars(out, buffer.data() + buffer.size(), magnitude / scale).ptr;
    if (decimals > 0) {
        *out++ = '.';
        unsigned long long fraction = magnitude % scale;
        for (int digit = decimals - 1; digit >= 0; --digit) {
            out[digit] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    return std::string(buffer.data(), out);
}

}  // namespace

double roundHalfAway(double value, int decimals) {
    // Every cell of the player grids passes through here. The decimal text differs from the
    // binary value by less than a millionth of the last kept decimal, so it can only decide
    // the rounding when the value lies that close to a half; anywhere else the binary value
    // rounds the same way without building the text. (Past a billion units of the last
    // decimal the product's own error grows too large to be sure.)
    const double scale = powerOfTen(decimals);
    const double scaled = value * scale;
    if (decimals >= 0 && std::fabs(scaled) < 1e9 &&
        std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5) > 1e-5) {
        return std::round(scaled) / scale;
    }
    fmt::memory_buffer exact;
    fmt::format_to(std::back_inserter(exact), "{:.{}f}", value, decimals + 6);
    double parsed = 0.0;
    std::from_chars(exact.data(), exact.data() + exact.size(), parsed);
    return std::round(parsed * scale) / scale;
}

std::string twoDecimalsOrEmpty(const std::optional<double>& figure) {
    if (!figure) {
        return std::string();
    }
    // The advice and chance columns write one for every row of the players grid; the
    // conversion with a precision is exact, as printf is, and far cheaper than a format string.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *figure + 0.0,
                                      std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

std::string formatPattern(double value, std::string_view pattern) {
    if (pattern == "0") {
        return fixedText(roundHalfAway(value, 0) + 0.0, 0);
    }
    if (pattern == "0.00") {
        return fixedText(roundHalfAway(value, 2) + 0.0, 2);
    }
    if (pattern == "#.000" || pattern == ".000") {
        std::string text = fixedText(roundHalfAway(value, 3) + 0.0, 3);
        if (text.rfind("0.", 0) == 0) {
            text.erase(0, 1);
        } else if (text.rfind("-0.", 0) == 0) {
            text.erase(1, 1);
        }
        return text;
    }
    if (pattern == "0.##") {
        std::string text = fixedText(roundHalfAway(value, 2) + 0.0, 2);
        while (!text.empty() && text.back() == '0') {
            text.pop_back();
        }
        if (!text.empty() && text.back() == '.') {
            text.pop_back();
        }
        return text == "-0" ? "0" : text;
    }
    return numberText(value);
}

}  // namespace quorvane
