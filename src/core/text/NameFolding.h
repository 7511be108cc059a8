// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Lower case without accents: "Jokić" and "jokic" read alike; letters outside Latin-1 and
// Latin Extended-A stay as they are.
std::string foldName(std::string_view text);

// Negative, zero or positive, as the folded `a` sorts before, with or after the folded `b`
// (byte by byte, the shorter first when one begins the other), without building either.
int compareFolded(std::string_view a, std::string_view b);

// Names as people look them up: folded first ("Šarić" among the S, not after Z); names that fold
// alike ("Jose", "José") byte by byte with only ASCII case folded, so that only names equal but
// for ASCII case compare as 0. Negative, zero or positive.
int compareNames(std::string_view a, std::string_view b);

}  // namespace quorvane
