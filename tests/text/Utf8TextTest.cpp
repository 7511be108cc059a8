// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include "text/Utf8Text.h"

#include "text/CsvText.h"
#include "text/TextChecks.h"
#include "text/TextEncoding.h"

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

// Byte sequences RFC 3629 forbids, each of which some decoder reads as a harmless character.
TEST(StrictUtf8, RefusesOverlongFormsSurrogatesAndCodePointsPastTheLast) {
    EXPECT_TRUE(isValidUtf8("Luka Don\xC4\x8Di\xC4\x87"));
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF, the last code point
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF"));      // U+D7FF, just below the surrogates
    EXPECT_TRUE(isValidUtf8(std::string("a\0b", 3)));

    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // "/" in two bytes
    EXPECT_FALSE(isValidUtf8("\xC1\xBF"));
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // "/" in three
    EXPECT_FALSE(isValidUtf8("\xE0\x9F\xBF"));      // U+07FF in three
    EXPECT_FALSE(isValidUtf8("\xF0\x8F\xBF\xBF"));  // U+FFFF in four
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // U+D800, a surrogate
    EXPECT_FALSE(isValidUtf8("\xED\xBF\xBF"));      // U+DFFF
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // U+110000
    EXPECT_FALSE(isValidUtf8("\xF5\x80\x80\x80"));
    EXPECT_FALSE(isValidUtf8("\xFF"));
    EXPECT_FALSE(isValidUtf8("Don\xC4"));  // cut at the end
    EXPECT_FALSE(isValidUtf8("\x87"));     // a continuation alone

    EXPECT_EQ(withInvalidBytesReplaced("Marjanovi\xC4\x87 \xE9t\xC0\xAF"),
              "Marjanovi\xC4\x87 \xEF\xBF\xBDt\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextChecks, NameWhatIsWrongWithTextFromOutside) {
    EXPECT_EQ(textProblem("Nikola Joki\xC4\x87", 100), std::nullopt);
    EXPECT_EQ(textProblem("", 100), std::nullopt);
    EXPECT_EQ(textProblem("Evil\x1B[2J", 100), "holds a control character");       // ESC
    EXPECT_EQ(textProblem("Ding\x07", 100), "holds a control character");          // BEL
    EXPECT_EQ(textProblem("Del\x7F", 100), "holds a control character");           // DEL
    EXPECT_EQ(textProblem("Next\xC2\x85Line", 100), "holds a control character");  // C1 NEL
    EXPECT_EQ(textProblem("Two\nLines", 100), "holds a control character");
    EXPECT_EQ(textProblem("Line\xE2\x80\xA8Sep", 100), "holds a control character");
    // "Bob" followed by a right-to-left override that shows "exe.gpj" reversed.
    EXPECT_EQ(textProblem("Bob\xE2\x80\xAEgpj.exe", 100),
              "holds a character that turns the writing direction");
    EXPECT_EQ(textProblem("Iso\xE2\x81\xA7late", 100),
              "holds a character that turns the writing direction");  // U+2067
    EXPECT_EQ(textProblem("\xC0\xAF", 100), "is not valid UTF-8");
    EXPECT_EQ(textProblem(std::string(200, 'a'), 100), "is longer than 100 characters");
    // The limit counts characters: 30 two-byte letters are 30, not 60.
    std::string accents;
    for (int i = 0; i < 30; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_EQ(textProblem(accents, 30), std::nullopt);
    EXPECT_EQ(textProblem(accents + "e", 30), "is longer than 30 characters");

    // Notes may run over lines, but hold no other control character.
    EXPECT_EQ(textProblem("Back in May\r\n\tknee", 100, TextShape::Lines), std::nullopt);
    EXPECT_EQ(textProblem("Back\x1B]0;pwned\x07", 100, TextShape::Lines),
              "holds a control character");
}

TEST(TextChecks, FilesNeverCarryControlCharactersStoredBeforeTheChecks) {
    EXPECT_EQ(withoutControlCharacters("Ann\x1B[31mLee\xE2\x80\xAE\xC2\x9B\xFF"),
              "Ann\xEF\xBF\xBD[31mLee\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(csvFileLine({"Ann\nLee", "Don\xC4\x8Di\xC4\x87", "=1+1"}),
              "Ann\xEF\xBF\xBDLee,Don\xC4\x8Di\xC4\x87,'=1+1");
}

// A spreadsheet's "CSV" in the Windows code page: é is E9, Š is 8A.
TEST(TextEncoding, TheCodePageIsDecidedOnTheWholeFile) {
    EXPECT_EQ(decideEncoding("Name,Team\nJos\xE9 Calder\xF3n,TOR\nDario \x8A"
                             "ari\xE6,WAS\n"),
              TextEncoding::Windows1252);
    EXPECT_EQ(textAsUtf8("Jos\xE9 \x8A"
                         "ari\xE6",
                         TextEncoding::Windows1252),
              "Jos\xC3\xA9 \xC5\xA0"
              "ari\xC3\xA6");
    EXPECT_EQ(decideEncoding("Name\nLuka Don\xC4\x8Di\xC4\x87\n"), TextEncoding::Utf8);

    // A UTF-8 file with one broken byte stays UTF-8: read as the code page, "ć" would become
    // "Ä‡" and the player a second one beside the real.
    const std::string mixed = "Name\nBoban Marjanovi\xC4\x87\nJos\xE9 Calderon\n";
    EXPECT_EQ(decideEncoding(mixed), TextEncoding::Utf8);
    EXPECT_EQ(textAsUtf8(mixed, TextEncoding::Utf8),
              "Name\nBoban Marjanovi\xC4\x87\nJos\xEF\xBF\xBD Calderon\n");

    // Bytes the code page leaves undefined, or accented letters standing alone, are not text
    // in it.
    EXPECT_EQ(decideEncoding("Name\nAnn\x81Lee\n"), TextEncoding::Utf8);
    EXPECT_EQ(decideEncoding("Name\n12 \xE9 34\n"), TextEncoding::Utf8);

    // Decided on all the lines, given one by one.
    EncodingEvidence evidence;
    evidence.add("Name");
    evidence.add("Jos\xE9 Calder\xF3n");
    EXPECT_EQ(evidence.encoding(), TextEncoding::Windows1252);
    evidence.add("Luka Don\xC4\x8Di\xC4\x87");
    EXPECT_EQ(evidence.encoding(), TextEncoding::Utf8);
    EXPECT_TRUE(evidence.hasUnreadableBytes());
}

}  // namespace
}  // namespace quorvane
