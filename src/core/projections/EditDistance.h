// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvane {

// The number of single-byte insertions, deletions and replacements that turn one text into the
// other (Levenshtein), counted only up to `limit`: anything farther returns limit + 1, which keeps
// a search over every stored player cheap.
std::size_t editDistance(std::string_view a, std::string_view b, std::size_t limit);

}  // namespace quorvane
