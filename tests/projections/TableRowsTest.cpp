// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "projections/DelimitedTable.h"
#include "projections/TableRows.h"

namespace quorvane {
namespace {

TableRows rowsOf(const std::string& text) {
    const DelimitedTable table = readDelimitedTable(text);
    TableImportOptions options;
    options.perGame = false;
    auto read = readTableRows(table, mapTableColumns(table, options));
    EXPECT_TRUE(std::holds_alternative<TableRows>(read));
    return std::get<TableRows>(std::move(read));
}

// Rows leave out different figures and take their team and position from different places; each
// keeps its own, and the texts outlive the table they were read from.
TEST(TableRows, EachRowKeepsItsOwnTextsPositionAndTheFiguresItGives) {
    const TableRows rows = rowsOf(
        "Name,Team,Pos,GP,PTS,FG%,3PM,ADP\n"
        "Luka Dončić (DAL - PG),,,70,2143,0.457,,3.5\n"
        "Nikola Jokić,den,C,,1800,,98,\n"
        "Jalen Brunson,NYK,PG,77,,0.479,,\n");
    ASSERT_EQ(rows.size(), 3U);

    const TableRow luka = rows[0];
    EXPECT_EQ(luka.lineNumber, 2);
    EXPECT_EQ(luka.written, "Luka Dončić (DAL - PG)");
    EXPECT_EQ(luka.name, "Luka Dončić");
    EXPECT_EQ(luka.team, "DAL");
    ASSERT_NE(luka.position, nullptr);
    EXPECT_EQ(luka.position->first, "PG");
    EXPECT_EQ(*luka.games, 70.0);
    EXPECT_EQ(*luka.points, 2143.0);
    EXPECT_EQ(*luka.fieldGoals.fraction, 0.457);
    EXPECT_FALSE(luka.threes.made);
    EXPECT_EQ(*luka.adp, 3.5);

    const TableRow jokic = rows[1];
    EXPECT_EQ(jokic.name, "Nikola Jokić");
    EXPECT_EQ(jokic.written, jokic.name);
    EXPECT_EQ(jokic.team, "DEN");
    ASSERT_NE(jokic.position, nullptr);
    EXPECT_EQ(jokic.position->flags, (std::array<int, 5>{0, 0, 0, 0, 1}));
    EXPECT_FALSE(jokic.games);
    EXPECT_FALSE(jokic.fieldGoals.fraction);
    EXPECT_EQ(*jokic.threes.made, 98.0);
    EXPECT_FALSE(jokic.adp);

    const TableRow brunson = rows[2];
    EXPECT_EQ(brunson.lineNumber, 4);
    EXPECT_EQ(brunson.team, "NYK");
    ASSERT_NE(brunson.position, nullptr);
    EXPECT_EQ(brunson.position->flags, (std::array<int, 5>{1, 0, 0, 0, 0}));
    EXPECT_FALSE(brunson.points);
    EXPECT_EQ(*brunson.fieldGoals.fraction, 0.479);
    EXPECT_EQ(rows.team(2), "NYK");
}

TEST(TableRows, FirstAndLastNameColumnsMakeTheWrittenName) {
    const TableRows rows = rowsOf("First,Last,Team,PTS\n Jaylen , Adams* ,MIL,12\nQuincy,Acy,,7\n");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0].written, "Jaylen Adams");
    EXPECT_EQ(rows[0].name, "Jaylen Adams");
    EXPECT_EQ(rows[0].firstname, "Jaylen");
    EXPECT_EQ(rows[0].lastname, "Adams");
    EXPECT_EQ(rows[0].team, "MIL");
    EXPECT_EQ(rows[1].lastname, "Acy");
    EXPECT_TRUE(rows[1].team.empty());
    EXPECT_EQ(rows[1].position, nullptr);
}

// Every figure a row can give, in thousands of rows: a row's figures may lie across the end of
// one block of them and the start of the next.
TEST(TableRows, EveryFigureOfThousandsOfRowsIsReadBackAsGiven) {
    constexpr std::array<const char*, 23> kHeadings = {
        "GP",  "MIN", "PTS", "FGM", "FGA", "FG%", "FTM", "FTA", "FT%", "3PM", "3PA", "3P%",
        "ORB", "DRB", "REB", "AST", "STL", "BLK", "TO",  "DD",  "TD",  "ADP", "AAV"};
    constexpr int kRows = 3001;
    // Column c of row r holds r % 1000 + c + 0.25, games r % 80 + 1, percentages 0.5; every
    // seventh row leaves its threes and its ADP out.
    std::array<bool, kHeadings.size()> percentage{};
    std::array<bool, kHeadings.size()> leftOut{};
    std::string text = "Name";
    for (std::size_t c = 0; c < kHeadings.size(); ++c) {
        const std::string_view heading = kHeadings[c];
        percentage[c] = heading.ends_with('%');
        leftOut[c] = heading.starts_with("3P") || heading == "ADP";
        text += ",";
        text += heading;
    }
    for (int r = 0; r < kRows; ++r) {
        text += "\nPlayer" + std::to_string(r) + " Number" + std::to_string(r) + "," +
                std::to_string(r % 80 + 1);
        for (std::size_t c = 1; c < kHeadings.size(); ++c) {
            text += ",";
            if (!(r % 7 == 0 && leftOut[c])) {
                text += percentage[c] ? "0.5" : std::to_string(r % 1000 + c) + ".25";
            }
        }
    }
    const TableRows rows = rowsOf(text);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRows));
    for (int r = 0; r < kRows; ++r) {
        const TableRow row = rows[static_cast<std::size_t>(r)];
        ASSERT_EQ(row.name, "Player" + std::to_string(r) + " Number" + std::to_string(r));
        ASSERT_EQ(*row.games, r % 80 + 1) << "row " << r;
        const std::array<TableFigure, kHeadings.size()> figures = {row.games,
                                                                   row.minutes,
                                                                   row.points,
                                                                   row.fieldGoals.made,
                                                                   row.fieldGoals.attempted,
                                                                   row.fieldGoals.fraction,
                                                                   row.freeThrows.made,
                                                                   row.freeThrows.attempted,
                                                                   row.freeThrows.fraction,
                                                                   row.threes.made,
                                                                   row.threes.attempted,
                                                                   row.threes.fraction,
                                                                   row.offensiveRebounds,
                                                                   row.defensiveRebounds,
                                                                   row.rebounds,
                                                                   row.assists,
                                                                   row.steals,
                                                                   row.blocks,
                                                                   row.turnovers,
                                                                   row.doubleDoubles,
                                                                   row.tripleDoubles,
                                                                   row.adp,
                                                                   row.aav};
        for (std::size_t c = 1; c < figures.size(); ++c) {
            if (r % 7 == 0 && leftOut[c]) {
                ASSERT_FALSE(figures[c]) << kHeadings[c] << " of row " << r;
            } else {
                const double given = r % 1000 + static_cast<double>(c) + 0.25;
                ASSERT_EQ(*figures[c], percentage[c] ? 0.5 : given)
                    << kHeadings[c] << " of row " << r;
            }
        }
    }
}

}  // namespace
}  // namespace quorvane
