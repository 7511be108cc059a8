// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "projections/DelimitedTable.h"
#include "projections/PlayerNameMatcher.h"
#include "projections/TableCells.h"
#include "projections/TableFields.h"

namespace quorvane {
namespace {

TEST(DelimitedTableText, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
    const DelimitedTable table = readDelimitedTable(
        "Name,Note,PTS\r\n\"Carter, Wendell\",\"said \"\"hi\"\"\nthen left\",12\r\n\r\n"
        "Nenê,,3");
    EXPECT_EQ(table.separator, ',');
    ASSERT_EQ(table.records.size(), 3U);
    EXPECT_EQ(table.records[1].cells,
              (std::vector<std::string>{"Carter, Wendell", "said \"hi\"\nthen left", "12"}));
    // The quoted line break moves the next record's line number on by one; the blank line too.
    EXPECT_EQ(table.records[2].lineNumber, 5);
    EXPECT_EQ(table.records[2].cells, (std::vector<std::string>{"Nenê", "", "3"}));
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

}  // namespace
}  // namespace quorvane
