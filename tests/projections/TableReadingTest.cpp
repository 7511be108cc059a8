// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "projections/DelimitedTable.h"
#include "projections/Nicknames.h"
#include "projections/PlayerNameMatcher.h"
#include "projections/TableCells.h"
#include "projections/TableFields.h"
#include "projections/TableNames.h"
#include "projections/WorkbookTables.h"

namespace quorvane {
namespace {

TEST(DelimitedTableText, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    const DelimitedTable table = readDelimitedTable(
        "Name,Note,PTS\r\n\"Carter, Wendell\",\"said \"\"hi\"\"\nthen left\",12\r\n\r\n"
        "Nenê,,3");
    EXPECT_EQ(table.separator, ',');
    ASSERT_EQ(table.records.size(), 3U);
    EXPECT_EQ(table.records[1].cells,
              (std::vector<std::string_view>{"Carter, Wendell", "said \"hi\"\nthen left", "12"}));
    // The quoted line break moves the next record's line number on by one; the blank line too.
    EXPECT_EQ(table.records[2].lineNumber, 5);
    EXPECT_EQ(table.records[2].cells, (std::vector<std::string_view>{"Nenê", "", "3"}));
}

TEST(DelimitedTableText, SeparatorAndDecimalCommaAreDetected) {
    const DelimitedTable semicolons = readDelimitedTable("Name;FG%\nA;0,451\nB;0,5\n");
    EXPECT_EQ(semicolons.separator, ';');
    EXPECT_EQ(semicolons.numbers.decimalMark, ',');
    const DelimitedTable tabs = readDelimitedTable("Name\tFG%\nA\t0.451\n");
    EXPECT_EQ(tabs.separator, '\t');
    EXPECT_EQ(tabs.numbers.decimalMark, '.');
}

TEST(DelimitedTableText, SpreadsheetCodePageBecomesUtf8AndUtf8StaysAsItIs) {
    EXPECT_EQ(asUtf8("Jos\xE9 Calder\xF3n,Dari\x9A \x8A"), "José Calderón,Dariš Š");
    EXPECT_EQ(asUtf8("Luka Dončić"), "Luka Dončić");
}

TEST(TableCellText, PercentagesInEveryCommonForm) {
    for (const char* written : {"45.1", "45.1%", "0.451", ".451"}) {
        const auto cell = readPercentageCell(written, kDecimalPoint);
        ASSERT_TRUE(cell && cell->fraction) << written;
        EXPECT_DOUBLE_EQ(*cell->fraction, 0.451) << written;
    }
    const auto withShots = readPercentageCell("0.517 (9.5/18.3)", kDecimalPoint);
    ASSERT_TRUE(withShots);
    EXPECT_DOUBLE_EQ(*withShots->made, 9.5);
    EXPECT_DOUBLE_EQ(*withShots->attempted, 18.3);
    const auto commas = readPercentageCell("0,794 (6,1/7,7)", kDecimalComma);
    ASSERT_TRUE(commas);
    EXPECT_DOUBLE_EQ(*commas->fraction, 0.794);
    EXPECT_DOUBLE_EQ(*commas->made, 6.1);
    EXPECT_FALSE(readPercentageCell("0.5 (9/4)", kDecimalPoint));  // more made than attempted
    EXPECT_FALSE(readPercentageCell("145", kDecimalPoint));
}

TEST(TableCellText, PositionListsSetFlagsAndTheFirstGivesTheGeneralPosition) {
    const auto guards = readPositionCell("PG,SG");
    ASSERT_TRUE(guards);
    EXPECT_EQ(guards->pos, "G");
    EXPECT_EQ(guards->flags, (std::array<int, 5>{1, 1, 0, 0, 0}));
    const auto swing = readPositionCell("G-F");
    ASSERT_TRUE(swing);
    EXPECT_EQ(swing->flags, (std::array<int, 5>{1, 1, 1, 1, 0}));
    EXPECT_EQ(readPositionCell("SF/PF, UTIL")->flags, (std::array<int, 5>{0, 0, 1, 1, 0}));
    EXPECT_EQ(readPositionCell("FC")->pos, "F");
    EXPECT_EQ(readPositionCell("c")->flags, (std::array<int, 5>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(readPositionCell("Goalie"));
}

TEST(TableHeadings, EveryWayOfWritingAStatisticFindsItsField) {
    const auto field = [](const char* heading) {
        const auto found = fieldOfHeading(heading);
        return found ? tableFieldName(found->field) : "unknown";
    };
    EXPECT_EQ(field("p/g"), "points");
    EXPECT_EQ(field("Points"), "points");
    EXPECT_EQ(field("TREB"), "reb");
    EXPECT_EQ(field("r/g"), "reb");
    EXPECT_EQ(field("FG3M"), "pt3m");
    EXPECT_EQ(field("3/g"), "pt3m");
    EXPECT_EQ(field("TOV"), "turnovers");
    EXPECT_EQ(field("FG%"), "fgpct");
    EXPECT_EQ(field("fg"), "fgm");  // made field goals, not the percentage
    EXPECT_EQ(field("s/g"), "steals");
    EXPECT_EQ(field(" Last Name "), "lastname");
    EXPECT_EQ(field("R#"), "unknown");
    EXPECT_EQ(fieldOfHeading("PPG")->basis, FigureBasis::PerGame);
    EXPECT_EQ(fieldOfHeading("PTS")->basis, FigureBasis::Either);
}

TEST(PlayerNames, AccentsCasePunctuationSuffixesAndNameOrderAreIgnored) {
    EXPECT_EQ(normalisePlayerName("Luka Dončić"), "lukadoncic");
    EXPECT_EQ(normalisePlayerName("Ömer Aşık"), normalisePlayerName("omer asik"));
    EXPECT_EQ(normalisePlayerName("Kristaps Porziņģis"), "kristapsporzingis");
    EXPECT_EQ(normalisePlayerName("D’Angelo Russell"), normalisePlayerName("D'Angelo Russell"));
    EXPECT_EQ(normalisePlayerName("Carter Jr., Wendell"), "wendellcarter");
    EXPECT_EQ(normalisePlayerName("Wendell Carter, Jr."), "wendellcarter");
    EXPECT_EQ(normalisePlayerName("Marvin Bagley III"), normalisePlayerName("Bagley, Marvin"));
    EXPECT_EQ(normalisePlayerName("J.J. Redick"), normalisePlayerName("JJ Redick"));
    EXPECT_EQ(normalisePlayerName("Karl-Anthony Towns"), normalisePlayerName("Karl Anthony Towns"));
    EXPECT_EQ(normalisePlayerName("", "Nenê"), "nene");
}

TEST(PlayerNames, NamesakesAreToldApartByTeamThenByPosition) {
    PlayerNameMatcher matcher;
    matcher.addPlayer("Marcus", "Morris", {3, {"NYK"}, {0, 0, 1, 1, 0}});
    matcher.addPlayer("Markieff", "Morris", {4, {"OKC"}, {0, 0, 1, 0, 0}});
    matcher.addPlayer("Marcus", "Morris", {7, {"BRK", "PHO"}, {1, 0, 0, 0, 0}});

    EXPECT_EQ(matcher.match("Marcus Morris", "NY").playerid, 3);
    // A team he had in another season decides when no first team does.
    EXPECT_EQ(matcher.match("Morris, Marcus", "PHX").playerid, 7);
    const PlayerMatch unsure = matcher.match("Marcus Morris", "LAL");
    EXPECT_EQ(unsure.outcome, PlayerMatch::Outcome::Ambiguous);
    EXPECT_EQ(unsure.candidates, (std::vector<int>{3, 7}));
    EXPECT_EQ(matcher.match("Marcus Morris", "", std::array<int, 5>{1, 1, 0, 0, 0}).playerid, 7);
    EXPECT_EQ(matcher.match("Markieff Morris", "").playerid, 4);
    EXPECT_EQ(matcher.match("Marcus Smart", "BOS").outcome, PlayerMatch::Outcome::NotFound);
}

TEST(DelimitedTableText, ByteOrderMarksAnywhereAreDroppedAndBlankLinesCounted) {
    const DelimitedTable table = readDelimitedTable(
        "\xEF\xBB\xBFName,G\n\n,\n\xEF\xBB\xBF"
        "Ann,1\nB\xEF\xBB\xBFo,2\n");
    ASSERT_EQ(table.records.size(), 3U);
    EXPECT_EQ(table.blankLines, 2);
    EXPECT_EQ(table.records[1].cells[0], "Ann");
    EXPECT_EQ(table.records[2].cells[0], "Bo");
    EXPECT_EQ(table.records[2].lineNumber, 5);
}

TEST(PlayerNames, InitialsAreNeverTheSuffixJrAndSuffixesCountOnlyAsTheLastWord) {
    EXPECT_EQ(normalisePlayerName("J.R. Smith"), "jrsmith");
    EXPECT_EQ(normalisePlayerName("Smith, J.R."), "jrsmith");
    EXPECT_EQ(normalisePlayerName("JR Smith"), "jrsmith");
    EXPECT_EQ(normalisePlayerName("J. R. Smith"), "jrsmith");
    EXPECT_EQ(normalisePlayerName("C.J. Miles"), "cjmiles");
    EXPECT_EQ(normalisePlayerName("Tucker, P.J."), "pjtucker");
    EXPECT_EQ(normalisePlayerName("Gary Trent Jr."), "garytrent");
    EXPECT_EQ(normalisePlayerName("Trent Jr., Gary"), "garytrent");
    EXPECT_EQ(normalisePlayerName("Gary Trent, Jr."), "garytrent");
    EXPECT_EQ(normalisePlayerName("Gary", "Payton II"), "garypayton");
    // "Smith, JR" may be either; the other reading is tried too.
    const auto others = alternateNameKeys("Smith, JR");
    EXPECT_NE(std::find(others.begin(), others.end(), "jrsmith"), others.end());
    // A letter a code page lost stays as a wildcard.
    EXPECT_EQ(normalisePlayerName("Nikola Joki?"), "nikolajoki?");
    PlayerNameMatcher matcher;
    matcher.addPlayer("Nikola", "Jokić", {5, {"DEN"}, {0, 0, 0, 0, 1}});
    matcher.addPlayer("Nikola", "Jokics", {6, {"DEN"}, {0, 0, 0, 0, 1}});
    EXPECT_EQ(matcher.matchPattern("nikolajoki?", "").playerid, 5);
    EXPECT_EQ(matcher.matchPattern("nikolajok??", "").outcome, PlayerMatch::Outcome::Matched);
    EXPECT_EQ(matcher.matchPattern("nikola?okic?", "").playerid, 6);
}

TEST(NameCells, SiteIdsAnnotationsAndMarksComeOffTheName) {
    EXPECT_EQ(readNameCell("Luka Dončić\\doncilu01").name, "Luka Dončić");
    const NameCell annotated = readNameCell("LeBron James (LAL - SF)");
    EXPECT_EQ(annotated.name, "LeBron James");
    EXPECT_EQ(annotated.team, "LAL");
    ASSERT_TRUE(annotated.position);
    EXPECT_EQ(annotated.position->flags, (std::array<int, 5>{0, 0, 0, 1, 0}));
    const NameCell trailing = readNameCell("Nikola Jokic DEN C");
    EXPECT_EQ(trailing.name, "Nikola Jokic");
    EXPECT_EQ(trailing.team, "DEN");
    EXPECT_EQ(readNameCell("Jaren Jackson Jr. MEM - PF,C DTD").name, "Jaren Jackson Jr.");
    EXPECT_EQ(readNameCell("Zion Williamson (R)").name, "Zion Williamson");
    EXPECT_EQ(readNameCell("Michael Jordan*").name, "Michael Jordan");
    // Words that only look like a team and position stay: both must be in capitals.
    EXPECT_EQ(readNameCell("Marcus Morris Sr.").name, "Marcus Morris Sr.");
    EXPECT_EQ(readNameCell("Ben Simmons Phi Pg").name, "Ben Simmons Phi Pg");

    EXPECT_TRUE(isAggregateName("League Average"));
    EXPECT_TRUE(isAggregateName("Team Totals"));
    EXPECT_TRUE(isAggregateName("TOTALS"));
    EXPECT_FALSE(isAggregateName("Tot Person"));
    EXPECT_TRUE(isMultiTeamMark("TOT"));
    EXPECT_TRUE(isMultiTeamMark("3TM"));
    EXPECT_FALSE(isMultiTeamMark("TOR"));

    EXPECT_EQ(nameProblem("Evil\x1B[2J"), "holds a control character");
    EXPECT_EQ(nameProblem("Bad\xC2\x85Line"), "holds a control character");  // U+0085
    EXPECT_EQ(nameProblem(std::string(101, 'a')), "is longer than 100 characters");
    // 100 characters, each two bytes, are not too long.
    std::string accents;
    for (int i = 0; i < 100; ++i) {
        accents += "é";
    }
    EXPECT_EQ(nameProblem(accents), std::nullopt);
    EXPECT_EQ(nameProblem("1234"), "holds no letters");
}

TEST(TableHeadings, HeadingsOutsideTheAliasesAreReadByTheirWords) {
    const auto field = [](const char* heading) {
        const auto found = recogniseHeading(heading);
        return found ? tableFieldName(found->field) : "unknown";
    };
    EXPECT_EQ(field("Off Reb"), "oreb");
    EXPECT_EQ(field("Def. Rebounds"), "dreb");
    EXPECT_EQ(field("O Rebs"), "oreb");
    EXPECT_EQ(field("3 Pointers Att"), "pt3a");
    EXPECT_EQ(field("Three Pt %"), "pt3pct");
    EXPECT_EQ(field("3PT Made"), "pt3m");
    EXPECT_EQ(field("FT Att"), "fta");
    EXPECT_EQ(field("Free Throws A"), "fta");
    EXPECT_EQ(field("Field Goals Att."), "fga");
    EXPECT_EQ(field("Proj. Assists"), "assists");
    EXPECT_EQ(field("Triple Doubles"), "tripledouble");
    EXPECT_EQ(field("Rank Change"), "unknown");
    EXPECT_EQ(field("Team Rebounds Rank"), "unknown");
    EXPECT_EQ(field("Offensive Points"), "unknown");
    EXPECT_EQ(field("Made"), "unknown");
    EXPECT_EQ(recogniseHeading("Blocked Shots Per Game")->basis, FigureBasis::PerGame);
    EXPECT_EQ(recogniseHeading("FG% Avg")->basis, FigureBasis::Either);
    EXPECT_EQ(tableFieldName(closestField("Asists")), "assists");
    EXPECT_EQ(tableFieldName(closestField("Stealz")), "steals");
}

TEST(Nicknames, TheShippedTableHoldsSixtyPairsUsedBothWays) {
    const auto table = loadNicknames();
    ASSERT_TRUE(table);
    EXPECT_GE(table->pairCount(), 60U);
    const auto bamba = table->otherKeys("mobamba");
    EXPECT_NE(std::find(bamba.begin(), bamba.end(), "mohamedbamba"), bamba.end());
    const auto mo = table->otherKeys("mohamedbamba");
    EXPECT_NE(std::find(mo.begin(), mo.end(), "mobamba"), mo.end());
    EXPECT_EQ(table->otherKeys("guillermohernangomez"),
              std::vector<std::string>{"willyhernangomez"});

    const NicknameTable own = readNicknames("name,other name\nShaq Harrison,Shaquille Harrison\n");
    EXPECT_EQ(own.pairCount(), 1U);
    EXPECT_EQ(own.otherKeys("shaquilleharrison"), std::vector<std::string>{"shaqharrison"});
}

TEST(WorkbookCells, DatesAndTimesAreTheSerialNumbersASpreadsheetStores) {
    // 2019-01-01 is day 43466 of the 1900 system; 15 October is 287 days later.
    EXPECT_EQ(spreadsheetSerial("2019-10-15", false), 43753.0);
    EXPECT_EQ(spreadsheetSerial("2019-10-15", true), 43753.0 - 1462.0);
    EXPECT_EQ(spreadsheetSerial("18:00:00", false), 0.75);
    EXPECT_EQ(spreadsheetSerial("2019-10-15 06:00:00", false), 43753.25);
    EXPECT_EQ(spreadsheetSerial("2019-02-30", false), std::nullopt);
}

}  // namespace
}  // namespace quorvane
