// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>

#include "ProjectionFiles.h"
#include "projections/ProjectionLines.h"
#include "store/ProjectionRow.h"

namespace quorvane::test {
namespace {

TEST(ProjectionLine, ReadsEveryFieldIntoItsColumn) {
    const auto parsed = parseProjectionLine(
        "3879,X,2019,James,Harden,G,HOU,1989-08-26,78,2867,858,754,1909,843,1028,378,66,452,586,"
        "158,58,387,34,7,2019-10-15,9,9,1,0,0,1,0");
    ASSERT_TRUE(parsed.row) << parsed.fault.description;
    const ProjectionRow& row = *parsed.row;
    EXPECT_EQ(row.playerid, 3879);
    EXPECT_EQ(row.stat_indicator, "P");
    EXPECT_EQ(row.yearofprojection, 2019);
    EXPECT_EQ(row.firstname, "James");
    EXPECT_EQ(row.lastname, "Harden");
    EXPECT_EQ(row.pos, "G");
    EXPECT_EQ(row.team, "HOU");
    EXPECT_EQ(row.dob, "1989-08-26");
    const std::array<int, kProjectionStatCount> stats = {78, 2867, 858, 754, 1909, 843, 1028, 378,
                                                         66, 452,  586, 158, 58,   387, 34,   7};
    EXPECT_EQ(row.stats, stats);
    EXPECT_EQ(row.revisiondate, "2019-10-15");
    const std::array<int, kProjectionFlagCount> flags = {1, 0, 0, 1, 0};
    EXPECT_EQ(row.flags, flags);
}

TEST(ProjectionLine, KeepsNamesAndTextsExactly) {
    const auto parsed =
        parseProjectionLine(projectionLine(4316, 2019, "D'Angelo", "Russell Jr.", 81, "G'", "O'K"));
    ASSERT_TRUE(parsed.row);
    EXPECT_EQ(parsed.row->firstname, "D'Angelo");
    EXPECT_EQ(parsed.row->lastname, "Russell Jr.");
    EXPECT_EQ(parsed.row->pos, "G'");
    EXPECT_EQ(parsed.row->team, "O'K");
}

TEST(ProjectionLine, NamesTeamsAndPositionsThatAreNoTextAreRefusedNamingTheField) {
    const auto problem = [](const std::string& first, const std::string& last,
                            const std::string& pos, const std::string& team) {
        const auto parsed =
            parseProjectionLine(projectionLine(1, 2019, first, last, 70, pos, team));
        return parsed.row ? std::string() : parsed.fault.description;
    };
    EXPECT_EQ(problem("Ann\x1B[2J", "Lee", "G", "BOS"),
              "field 3 (firstname) holds a control character");
    EXPECT_EQ(problem("Ann", "Lee\x07", "G", "BOS"),
              "field 4 (lastname) holds a control character");
    EXPECT_EQ(problem("Ann", "Lee", "G\x7F", "BOS"), "field 5 (pos) holds a control character");
    EXPECT_EQ(problem("Ann", "Lee", "G", "BOS\xC2\x85"),
              "field 6 (team) holds a control character");
    EXPECT_EQ(problem("Ann", std::string(200, 'e'), "G", "BOS"),
              "field 4 (lastname) is longer than 100 characters");
    EXPECT_EQ(problem("Ann", "Lee", "G", std::string(31, 'B')),
              "field 6 (team) is longer than 30 characters");
    EXPECT_EQ(problem("\xC0\xAF", "Lee", "G", "BOS"), "field 3 (firstname) is not valid UTF-8");
    EXPECT_EQ(problem("Ann", "Lee\xE2\x80\xAE", "G", "BOS"),
              "field 4 (lastname) holds a character that turns the writing direction");
    EXPECT_EQ(problem("Nikola", "Joki\xC4\x87", "C", "DEN"), "");
}

// Fields 10 to 15: fta, ftm, fga, fgm, pt3a, pt3m.
TEST(ProjectionLine, MoreShotsMadeThanAttemptedIsRefused) {
    const auto withShots = [](const std::string& shots) {
        std::string line = projectionLine(1, 2019, "Ann", "Lee");
        line.replace(line.find(",100,80,900,400,300,100,"), 24, "," + shots + ",");
        return parseProjectionLine(line);
    };
    EXPECT_TRUE(withShots("100,100,900,900,300,300").row);  // as many made as taken
    const auto freeThrows = withShots("100,101,900,400,300,100");
    ASSERT_FALSE(freeThrows.row);
    EXPECT_EQ(freeThrows.fault.field, 11);
    EXPECT_EQ(freeThrows.fault.description,
              "field 11 (ftm) is 101, more than the 100 of field 10 (fta)");
    EXPECT_EQ(withShots("100,80,399,400,300,100").fault.description,
              "field 13 (fgm) is 400, more than the 399 of field 12 (fga)");
    EXPECT_EQ(withShots("100,80,900,400,0,7").fault.description,
              "field 15 (pt3m) is 7, more than the 0 of field 14 (pt3a)");
}

TEST(ProjectionLine, RefusesLinesWithFewerThan32Fields) {
    std::string line = projectionLine(1, 2019, "A", "B");
    const auto shortLine = parseProjectionLine(line.substr(0, line.rfind(',')));
    ASSERT_FALSE(shortLine.row);
    EXPECT_EQ(shortLine.fault.field, -1);
    EXPECT_NE(shortLine.fault.description.find("31 fields"), std::string::npos);
}

TEST(ProjectionLine, NamesTheFieldThatIsNotAWholeNumberInRange) {
    for (const std::string bad : {"abc", "12.5", "-3", "", "40000", "1e3"}) {
        std::string line = projectionLine(1, 2019, "A", "B");
        line.replace(line.find(",2000,"), 6, "," + bad + ",");
        const auto parsed = parseProjectionLine(line);
        ASSERT_FALSE(parsed.row) << bad;
        EXPECT_EQ(parsed.fault.field, 9) << bad;
        EXPECT_NE(parsed.fault.description.find("field 9 (minutes)"), std::string::npos);
    }
    std::string flagLine = projectionLine(1, 2019, "A", "B");
    flagLine.back() = 'x';
    EXPECT_EQ(parseProjectionLine(flagLine).fault.field, 31);
}

TEST(ProjectionLine, PlayerIdMustLieBelowTheCustomPlayers) {
    EXPECT_TRUE(parseProjectionLine(projectionLine(1, 2019, "A", "B")).row);
    EXPECT_TRUE(parseProjectionLine(projectionLine(19999, 2019, "A", "B")).row);
    for (const int id : {0, 20000, -5}) {
        const auto parsed = parseProjectionLine(projectionLine(id, 2019, "A", "B"));
        ASSERT_FALSE(parsed.row) << id;
        EXPECT_EQ(parsed.fault.field, 0);
    }
}

TEST(ProjectionLine, SeasonMustBeAYear) {
    EXPECT_EQ(parseProjectionLine(projectionLine(1, 19, "A", "B")).fault.field, 2);
    EXPECT_EQ(parseProjectionLine(projectionLine(1, 20190, "A", "B")).fault.field, 2);
}

TEST(ProjectionLine, DateOfBirthThatIsNotADateIsLeftEmpty) {
    EXPECT_EQ(readDate("1996-02-29"), "1996-02-29");
    EXPECT_EQ(readDate("2/9/1996"), "1996-02-09");
    EXPECT_EQ(readDate("1997-02-29"), std::nullopt);
    EXPECT_EQ(readDate("unknown"), std::nullopt);
    EXPECT_EQ(readDate(""), std::nullopt);
    std::string line = projectionLine(1, 2019, "A", "B");
    line.replace(line.find("1990-01-02"), 10, "n/a");
    const auto parsed = parseProjectionLine(line);
    ASSERT_TRUE(parsed.row);
    EXPECT_EQ(parsed.row->dob, std::nullopt);
}

TEST(ProjectionLine, HeaderIsRecognisedInAnyCase) {
    EXPECT_TRUE(isProjectionHeader(kHeader));
    EXPECT_TRUE(isProjectionHeader("PlayerID,whatever"));
    EXPECT_FALSE(isProjectionHeader("playerid"));
    EXPECT_FALSE(isProjectionHeader("player,id"));
    EXPECT_FALSE(isProjectionHeader(""));
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachTextLine(text, [&lines](long long number, std::string_view line) {
        EXPECT_EQ(number, static_cast<long long>(lines.size()) + 1);
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

std::vector<std::string> streamLines(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> lines;
    forEachStreamLine(stream, [&lines](long long, std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

TEST(ProjectionLines, EveryLineEndAndTheLastLineWithoutOne) {
    const std::vector<std::string> expected = {"h", "a", "b"};
    for (const std::string text :
         {"h\r\na\r\nb\r\n", "h\na\nb\n", "h\na\nb", "h\r\na\r\nb", "h\ra\rb\r", "h\ra\nb"}) {
        EXPECT_EQ(textLines(text), expected) << text;
        EXPECT_EQ(streamLines(text), expected) << text;
    }
    EXPECT_EQ(textLines("h\n\na\n"), (std::vector<std::string>{"h", "", "a"}));
    EXPECT_TRUE(textLines("").empty());
    EXPECT_TRUE(streamLines("").empty());
}

}  // namespace
}  // namespace quorvane::test
