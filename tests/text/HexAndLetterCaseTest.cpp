// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>

#include "platform/Sha256.h"
#include "text/HexText.h"
#include "text/LetterCase.h"

namespace quorvane {
namespace {

TEST(HexText, WritesTwoSmallDigitsPerByteAndReadsEitherCaseBack) {
    const std::array<unsigned char, 5> bytes{0x00, 0x0f, 0xa5, 0x10, 0xff};
    EXPECT_EQ(hexText(bytes), "000fa510ff");
    EXPECT_EQ(bytesOfHex("000FA510fF"), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    EXPECT_EQ(bytesOfHex(""), std::vector<unsigned char>());
    for (const char* bad : {"0", "abc", "0g", "+f", " 0", "0x1f", "-1", "ff\n"}) {
        EXPECT_EQ(bytesOfHex(bad), std::nullopt) << bad;
    }
}

TEST(Sha256, IsWrittenInSmallHexadecimalDigits) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex(std::string("a\0b", 3)),
              "59b271ae1bbcb1d31d41929817f4b16fb439eb4f31520b5ad1d5ce98920a7138");
    EXPECT_TRUE(isSha256Hex(sha256Hex("abc")));
    EXPECT_FALSE(isSha256Hex(upperText(sha256Hex("abc"))));
    EXPECT_FALSE(isSha256Hex(sha256Hex("abc").substr(1)));
}

TEST(LetterCase, ChangesOnlyAsciiLetters) {
    // "ć" is two bytes beyond ASCII and stays as it is, whatever the locale.
    EXPECT_EQ(upperText("Jokić pg-3"), "JOKIć PG-3");
    EXPECT_EQ(lowerText("FG% 3PT ÉTÉ"), "fg% 3pt ÉtÉ");
    EXPECT_TRUE(equalsIgnoringCase("espn_S2", "ESPN_s2"));
    EXPECT_FALSE(equalsIgnoringCase("swid", "swid "));
    EXPECT_FALSE(equalsIgnoringCase("é", "É"));
    EXPECT_TRUE(equalsIgnoringCase("", ""));
}

}  // namespace
}  // namespace quorvane
