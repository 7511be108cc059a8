// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <iosfwd>
#include <string_view>

namespace quorvane {

// Receives each line with its number (the first line is 1); returning false stops the walk.
using LineVisitor = std::function<bool(long long lineNumber, std::string_view line)>;

// Walks the lines of a text. A line ends at CR LF, LF or a lone CR, and the last line counts
// whether or not a line end follows it. False when the visitor stopped the walk.
bool forEachTextLine(std::string_view text, const LineVisitor& visit);

// The same over a stream, holding one line in memory at a time. False when the visitor
// stopped the walk or the stream could not be read to its end.
bool forEachStreamLine(std::istream& stream, const LineVisitor& visit);

}  // namespace quorvane
