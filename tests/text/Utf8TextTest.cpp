// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "text/Utf8Text.h"

namespace quorvane {
namespace {

TEST(LeadingCharacters, CountCharactersNotBytes) {
    // "Ž" and "é" take two bytes each, "€" three, "𝄞" four.
    EXPECT_EQ(leadingCharacters("Žižek Vélez", 4), "Žiže");
    EXPECT_EQ(leadingCharacters("Žižek Vélez", 8), "Žižek Vé");
    EXPECT_EQ(leadingCharacters("€€€", 2), "€€");
    EXPECT_EQ(leadingCharacters("a𝄞b", 2), "a𝄞");
    EXPECT_EQ(leadingCharacters("short", 11), "short");
    EXPECT_EQ(leadingCharacters("", 3), "");
    EXPECT_EQ(leadingCharacters("abc", 0), "");
}

}  // namespace
}  // namespace quorvane
