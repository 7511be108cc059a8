// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::test {

// One string literal of a source file; literals that follow each other with only white space
// between them are one text, as the compiler joins them.
struct SourceLiteral {
    int line = 0;  // where the first piece starts
    std::string text;
};

// The string literals of C++ source text (plain and raw), skipping comments and character
// literals.
std::vector<SourceLiteral> stringLiteralsOf(std::string_view source);

// Whether a literal reads as a statement or a clause for the database rather than a text for
// the user: "select ... from t", "insert into t (", "update t set", "where x = ?", pragma and
// the like, in any case. "Select File" or "select the table on the page" are user texts.
bool holdsSql(std::string_view text);

}  // namespace quorvane::test
