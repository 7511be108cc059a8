// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "text/KeyValueLines.h"

namespace quorvane {
namespace {

TEST(KeyValueLines, SplitEachLineAtItsFirstEqualsSignAndTrimNothing) {
    const std::string text = std::string("a=1\r\n b = two==2 \n\nno equals\r\n=\0x\nlast=x", 40);
    const std::vector<KeyValueLine> lines = readKeyValueLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].key, "a");
    EXPECT_EQ(lines[0].value, "1");
    EXPECT_EQ(lines[1].number, 2u);
    EXPECT_EQ(lines[1].key, " b ");
    EXPECT_EQ(lines[1].value, " two==2 ");
    EXPECT_EQ(lines[2].text, "");
    EXPECT_EQ(lines[2].value, std::nullopt);
    EXPECT_EQ(lines[3].key, "no equals");
    EXPECT_EQ(lines[3].value, std::nullopt);
    EXPECT_EQ(lines[4].key, "");
    EXPECT_EQ(lines[4].value, std::string("\0x", 2));
    EXPECT_EQ(lines[5].number, 6u);
    EXPECT_EQ(lines[5].value, "x");
}

TEST(KeyValueLines, KeepACarriageReturnOnlyWhenReadByteForByte) {
    const std::string text = "size=12\r\nsha256=ab\r";
    EXPECT_EQ(readKeyValueLines(text).back().value, "ab");
    const std::vector<KeyValueLine> exact = readKeyValueLines(text, false);
    ASSERT_EQ(exact.size(), 2u);
    EXPECT_EQ(exact[0].value, "12\r");
    EXPECT_EQ(exact[1].text, "sha256=ab\r");
    // A final line end opens no empty line; an empty text has none at all.
    EXPECT_EQ(readKeyValueLines("x=1\n").size(), 1u);
    EXPECT_EQ(readKeyValueLines("\n").size(), 1u);
    EXPECT_TRUE(readKeyValueLines("").empty());
}

TEST(KeyValueLines, TheLastLineWithAKeyGivesItsValue) {
    const auto lines = readKeyValueLines("file=a.deb\nfile\nfile =b.deb\nFILE=c.deb\nfile=\nx=1");
    EXPECT_EQ(lastValueOf(lines, "file"), "");
    EXPECT_EQ(lastValueOf(lines, "x"), "1");
    EXPECT_EQ(lastValueOf(lines, "size"), std::nullopt);
    // A line without '=' is no value, even when it is the key itself.
    EXPECT_EQ(lastValueOf(readKeyValueLines("size=3\nsize"), "size"), "3");
}

}  // namespace
}  // namespace quorvane
