// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvane {

// One line of a text of "key=value" lines. The views point into the text read.
struct KeyValueLine {
    std::size_t number = 0;                 // from 1
    std::string_view text;                  // the whole line without its line end
    std::string_view key;                   // before the first '='; the whole line when it has none
    std::optional<std::string_view> value;  // after the first '='; none without one
};

// Every line of the text in order, blank ones too; a text that ends in a line end has no empty
// line after it. With `crLf` a CR before the LF (or at the very end) belongs to the line end;
// without it the CR stays in the line, as a signed file is read byte for byte. Nothing is
// trimmed: the formats differ in what blanks mean, so the caller decides.
std::vector<KeyValueLine> readKeyValueLines(std::string_view text, bool crLf = true);

// The value of the last line with this key; none when no line has one.
std::optional<std::string_view> lastValueOf(const std::vector<KeyValueLine>& lines,
                                            std::string_view key);

}  // namespace quorvane
