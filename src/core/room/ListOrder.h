// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvane {

// One value of a list row's sort key. The lists have always sorted the way the database sorts:
// a missing value before every number, every number before every text.
struct SortValue {
    enum class Kind : std::uint8_t { Missing, Number, Text };
    Kind kind = Kind::Missing;
    double number = 0.0;
    std::string_view text;  // points into the caller's data, which outlives the sort

    static SortValue missing() { return {}; }
    static SortValue of(double value) { return {Kind::Number, value, {}}; }
    static SortValue of(std::string_view value) { return {Kind::Text, 0.0, value}; }
};

struct SortTerm {
    bool descending = false;
    // Text compared as people look names up: case and accents aside (compareIgnoringCase).
    bool ignoreCase = false;
};

// Texts compared as people look names up: letters folded to lower case and Latin letters to
// their base letter ("Šarić" among the S, not after Z), then byte by byte (unsigned), the
// shorter first when one begins the other. Texts that fold alike ("Jose", "José") are ordered
// with only ASCII case folded, so only texts equal but for ASCII case compare as 0. Negative,
// zero or positive.
int compareIgnoringCase(std::string_view a, std::string_view b);

// Negative, zero or positive, as `a` sorts before, with or after `b` under one term.
int compareSortValues(const SortValue& a, const SortValue& b, const SortTerm& term);

// The indices of `rows` rows in sorted order. `keys` holds terms.size() values per row, row
// after row; rows equal in every term keep the order they were given in.
std::vector<std::size_t> sortedOrder(std::size_t rows, const std::vector<SortValue>& keys,
                                     const std::vector<SortTerm>& terms);

}  // namespace quorvane
