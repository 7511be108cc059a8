// SPDX-License-Identifier: MIT
// The available-players and research lists as pure functions of a small draft held in memory:
// what each cell shows, which rows pass, and the order, ties included.
#include <gtest/gtest.h>

#include <chrono>

#include <utility>

#include "room/AvailableList.h"
#include "room/ListOrder.h"
#include "room/PlayerListFigures.h"
#include "room/ResearchList.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane::test {
namespace {

constexpr int kYear = 2019;

struct Line {
    int playerid;
    std::string lastname;
    std::string firstname;
    std::uint8_t positions;
    std::vector<std::pair<StatColumn, double>> stats;
    double dollars = 0.0;
    int rank = 0;
};

ModelPlayer playerOf(const Line& line, std::int64_t storedOrder, int year = kYear) {
    ModelPlayer player;
    player.playerid = line.playerid;
    player.yearofprojection = year;
    player.lastname = line.lastname;
    player.firstname = line.firstname;
    player.positions = line.positions;
    player.pos = line.positions == kPositionC ? "C" : "G";
    for (const auto& [column, value] : line.stats) {
        statOf(player.stats, column) = value;
    }
    player.dollars = line.dollars;
    player.rank = line.rank;
    player.storedOrder = storedOrder;
    player.team = "BOS";
    return player;
}

ModelCategory categoryOf(int categoryid, double weight = 1.0) {
    const CategoryDefinition* definition = findCategory(categoryid);
    return {definition, &categoryFormula(*definition), weight, false, kOtherVarianceRatio};
}

using enum StatColumn;

// Four guards and a centre of a snake draft in points (PTS), field goals (FGP), assists per game
// (APG) and turnovers (TO). The file holds them out of id order; Cole Dee and COLE dee are two
// players of one name.
DraftModel smallDraft() {
    DraftModel model;
    model.changeSettings([](DraftSettings& draft) { draft.drafttype = kDraftTypeSnake; });
    model.projectionYear = kYear;
    model.categories = {categoryOf(1), categoryOf(15), categoryOf(4), categoryOf(9)};
    const std::vector<Line> lines = {
        {4,
         "dee",
         "COLE",
         kPositionPG,
         {{Games, 6}, {Fgm, 7}, {Fga, 13}, {Assists, 100}, {Turnovers, 20}, {Ftm, 5}, {Pt3m, 2}},
         8.5,
         3},
        {2,
         "Adams",
         "Zed",
         kPositionSG,
         {{Games, 3}, {Fgm, 2}, {Fga, 3}, {Assists, 7}, {Turnovers, 20}},
         20.0,
         1},
        {3,
         "Dee",
         "Cole",
         kPositionPG | kPositionSG,
         {{Games, 9}, {Fgm, 1}, {Fga, 1}, {Turnovers, 20}},
         8.5,
         2},
        {1, "_Under", "Score", kPositionC, {{Games, 0}, {Turnovers, 5}}, 1.25, 4},
        {5, "Taken", "Tim", kPositionPG, {{Games, 70}, {Turnovers, 1}}, 40.0, 5},
    };
    std::int64_t order = 1;
    for (const Line& line : lines) {
        model.players.push_back(playerOf(line, order++));
    }
    std::sort(model.players.begin(), model.players.end(),
              [](const ModelPlayer& a, const ModelPlayer& b) { return a.playerid < b.playerid; });
    model.teams = {{10, "Hawks", 1, true, true}, {11, "Owls", 2, false, false}};
    model.picks = {{5, 11, "pg", false, 1, 0.0}};
    return model;
}

std::vector<std::string> column(const GridTable& grid, std::size_t index) {
    std::vector<std::string> cells;
    for (const auto& row : grid.rows) {
        cells.push_back(row.at(index));
    }
    return cells;
}

GridTable available(const DraftModel& model, std::string_view heading, std::uint8_t positions = 0,
                    bool withAdp = false) {
    return availablePlayersGrid(model, {kYear, positions, heading, withAdp});
}

TEST(ListOrder, NamesCompareIgnoringCaseAsTheFileStoresThem) {
    EXPECT_EQ(compareIgnoringCase("adams", "ADAMS"), 0);
    EXPECT_LT(compareIgnoringCase("Ab", "abc"), 0);  // the shorter first on a common start
    // Folded, "A" is "a" (0x61), which comes after "_" (0x5F); byte by byte it came before.
    EXPECT_GT(compareIgnoringCase("Adams", "_Under"), 0);
    EXPECT_LT(compareSortValues(SortValue::of("Adams"), SortValue::of("_Under"), {}), 0);
    // Accented letters sort with their base letter, not after "z".
    EXPECT_LT(compareIgnoringCase("\xC3\x89mile", "zed"), 0);
    EXPECT_GT(compareIgnoringCase("\xC3\x89mile", "Emerson"), 0);
    // Folded alike, the unaccented name first; equal only but for ASCII case.
    EXPECT_LT(compareIgnoringCase("Jose", "Jos\u00e9"), 0);
    EXPECT_GT(compareIgnoringCase("JOS\u00c9", "jose"), 0);
    EXPECT_EQ(compareIgnoringCase("Jos\u00e9", "jos\u00e9"), 0);
}

TEST(ListOrder, AccentedNamesSortAmongTheirBaseLetters) {
    const std::vector<std::string> names = {
        "Zeller", "\u0160ari\u0107",     "Smith", "Saric", "\u00c1lvarez",
        "Adams",  "Porzi\u0146\u0123is", "Porter"};
    std::vector<SortValue> keys;
    for (const std::string& name : names) {
        keys.push_back(SortValue::of(name));
    }
    const std::vector<std::size_t> order = sortedOrder(names.size(), keys, {SortTerm{false, true}});
    std::vector<std::string> sorted;
    for (const std::size_t index : order) {
        sorted.push_back(names[index]);
    }
    EXPECT_EQ(sorted,
              (std::vector<std::string>{"Adams", "\u00c1lvarez", "Porter", "Porzi\u0146\u0123is",
                                        "Saric", "\u0160ari\u0107", "Smith", "Zeller"}));
}

TEST(ListOrder, MissingBeforeNumbersBeforeTextAndDescendingPutsMissingLast) {
    const std::vector<SortValue> keys = {SortValue::of("7"), SortValue::of(2.5),
                                         SortValue::missing(), SortValue::of(-1.0)};
    EXPECT_EQ(sortedOrder(4, keys, {SortTerm{false, false}}),
              (std::vector<std::size_t>{2, 3, 1, 0}));
    EXPECT_EQ(sortedOrder(4, keys, {SortTerm{true, false}}),
              (std::vector<std::size_t>{0, 1, 3, 2}));
}

TEST(ListOrder, RowsEqualInEveryTermKeepTheirGivenOrder) {
    const std::vector<SortValue> keys = {SortValue::of(1.0), SortValue::of("b"),  //
                                         SortValue::of(1.0), SortValue::of("B"),  //
                                         SortValue::of(0.0), SortValue::of("b"),  //
                                         SortValue::of(1.0), SortValue::of("a")};
    EXPECT_EQ(sortedOrder(4, keys, {SortTerm{true, false}, SortTerm{false, true}}),
              (std::vector<std::size_t>{3, 0, 1, 2}));
    EXPECT_EQ(sortedOrder(3, {}, {}), (std::vector<std::size_t>{0, 1, 2}));
}

TEST(AvailableModelList, CellsShowTheCategoriesAsTheGridFormatsThem) {
    const GridTable grid = available(smallDraft(), "Name");
    // playerid, flag, RK, Name, Team, Pos, GP, PTS, FGP, APG, TO, Notes; Tim Taken is picked.
    ASSERT_EQ(grid.rows.size(), 4U);
    const auto& cole = grid.rows.at(2);  // "dee, COLE", stored first of the two
    EXPECT_EQ(cole.at(0), "4");
    EXPECT_EQ(cole.at(2), "3");
    EXPECT_EQ(cole.at(3), "dee, COLE");
    EXPECT_EQ(cole.at(4), "BOS");
    EXPECT_EQ(cole.at(6), "6");
    EXPECT_EQ(cole.at(7), "21");     // 5 + 2 x 7 + 2
    EXPECT_EQ(cole.at(8), ".538");   // 7 / 13 = 0.53846
    EXPECT_EQ(cole.at(9), "16.67");  // 100 / 6 = 16.667
    EXPECT_EQ(cole.at(10), "20");
    EXPECT_EQ(cole.at(11), "");
    const auto& under = grid.rows.at(0);
    EXPECT_EQ(under.at(8), ".000");  // no attempts: 0, not a division by zero
    EXPECT_EQ(under.at(9), "0.00");
    EXPECT_EQ(grid.hiddenColumns, std::vector<int>{0});
}

TEST(AvailableModelList, NamesSortIgnoringCaseAndPlayersOfOneNameKeepTheFilesOrder) {
    // "_" (0x5F) comes before every letter folded to a small one (0x61 on).
    EXPECT_EQ(column(available(smallDraft(), "name"), 0),
              (std::vector<std::string>{"1", "2", "4", "3"}));
}

TEST(AvailableModelList, TurnoversSortFromTheFewestOtherCategoriesFromTheMost) {
    // Three players hold 20 turnovers: Adams, then the two Dees in the file's order.
    EXPECT_EQ(column(available(smallDraft(), "TO"), 0),
              (std::vector<std::string>{"1", "2", "4", "3"}));
    // FGP: Dee (Cole, 1/1 = 1.0), Adams (2/3 = 0.667), dee (7/13 = 0.538), _Under (0).
    EXPECT_EQ(column(available(smallDraft(), "fgp"), 0),
              (std::vector<std::string>{"3", "2", "4", "1"}));
    EXPECT_EQ(column(available(smallDraft(), "GP"), 0),
              (std::vector<std::string>{"3", "4", "2", "1"}));
}

TEST(AvailableModelList, UnknownHeadingsSortByRankOrInAnAuctionByValue) {
    DraftModel model = smallDraft();
    EXPECT_EQ(column(available(model, "Notes"), 0), (std::vector<std::string>{"2", "3", "4", "1"}));
    model.changeSettings([](DraftSettings& draft) { draft.drafttype = kDraftTypeAuction; });
    const GridTable auction = available(model, "$");
    // 20 first, the two at 8.5 by name (Dee, dee: one name, the file's order), 1.25 last.
    EXPECT_EQ(column(auction, 0), (std::vector<std::string>{"2", "4", "3", "1"}));
    EXPECT_EQ(column(auction, 2), (std::vector<std::string>{"20.00", "8.50", "8.50", "1.25"}));
}

TEST(AvailableModelList, PositionButtonsLetAPlayerThroughOnAnyOfTheirPositions) {
    EXPECT_EQ(column(available(smallDraft(), "Name", kPositionPG | kPositionSG), 0),
              (std::vector<std::string>{"2", "4", "3"}));
    EXPECT_EQ(column(available(smallDraft(), "Name", kPositionSG), 0),
              (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(column(available(smallDraft(), "Name", kPositionC), 0),
              (std::vector<std::string>{"1"}));
}

TEST(AvailableModelList, FantasyPointsRoundEachRatioAsShownBeforeItsWeight) {
    DraftModel model = smallDraft();
    model.changeSettings([](DraftSettings& draft) { draft.scoringstyle = kScoringPoints; });
    model.categories = {categoryOf(1, 1.0), categoryOf(15, 10.0), categoryOf(4, 3.0)};
    const GridTable grid = available(model, "FPTS");
    // dee, COLE: 21 x 1 + .538 x 10 + 16.67 x 3 = 21 + 5.38 + 50.01 = 76.39 (unrounded ratios
    // would give 21 + 5.3846 + 50.0 = 76.3846, shown 76.38).
    // Adams: 4 x 1 + .667 x 10 + 2.33 x 3 = 4 + 6.67 + 6.99 = 17.66.
    // Dee, Cole: 2 + 1.000 x 10 + 0 = 12. _Under: 0.
    EXPECT_EQ(column(grid, 3), (std::vector<std::string>{"76.39", "17.66", "12", "0"}));
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"4", "2", "3", "1"}));
}

TEST(AvailableModelList, EarlierSeasonShowsItsOwnRowsAndFlagsColourTheRows) {
    DraftModel model = smallDraft();
    ModelPlayer earlier = playerOf({2, "Adams", "Zed", kPositionC, {{Games, 44}}, 3.0, 7}, 9, 2018);
    earlier.flag = 2;
    earlier.team.reset();
    earlier.notes = "sore knee";
    model.otherSeasons.push_back(earlier);
    // A centre last season: the centre button finds him there, with that season's games.
    const GridTable grid = availablePlayersGrid(model, {2018, kPositionC, "Name", false});
    ASSERT_EQ(grid.rows.size(), 1U);
    EXPECT_EQ(grid.rows[0].at(2), "7");
    EXPECT_EQ(grid.rows[0].at(4), "");  // no team stored
    EXPECT_EQ(grid.rows[0].at(6), "44");
    EXPECT_EQ(grid.rows[0].back(), "sore knee");
    EXPECT_EQ(grid.rowColours, (std::vector<std::optional<Rgb>>{Rgb{0xFF, 0x80, 0x00}}));
}

// An auction whose values tie. The places count the whole season, taken players too: Tim Taken
// 40 (place 1), Adams 20 (2), the Dees 8.5 (both 3), _Under 1.25 (5, after the two).
DraftModel auctionWithAdp() {
    DraftModel model = smallDraft();
    model.changeSettings([](DraftSettings& draft) { draft.drafttype = kDraftTypeAuction; });
    model.seasonHasAdp = true;
    model.findPlayer(2)->adp = 3.25;
    model.findPlayer(2)->aav = 37.0 / 3.0;
    model.findPlayer(3)->adp = 1.5;
    model.findPlayer(1)->aav = 2.0;
    return model;
}

TEST(AvailableModelList, AdpColumnsShowValuePlaceLessAdpAndSortThoseWithoutLast) {
    const GridTable grid = available(auctionWithAdp(), "ADP", 0, true);
    // playerid, flag, $, Name, Team, Pos, GP, 4 categories, ADP, AAV, rank minus ADP, Notes.
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"3", "2", "1", "4"}));
    EXPECT_EQ(column(grid, 11), (std::vector<std::string>{"1.5", "3.25", "", ""}));
    EXPECT_EQ(column(grid, 12), (std::vector<std::string>{"", "12.33", "2", ""}));
    // Dee: place 3 less 1.5 = 1.5; Adams: place 2 less 3.25 = -1.25.
    EXPECT_EQ(column(grid, 13), (std::vector<std::string>{"1.5", "-1.25", "", ""}));
    EXPECT_EQ(column(available(auctionWithAdp(), "AAV", 0, true), 0),
              (std::vector<std::string>{"2", "1", "4", "3"}));
    EXPECT_EQ(column(available(auctionWithAdp(), "value rank minus ADP", 0, true), 0),
              (std::vector<std::string>{"2", "3", "1", "4"}));
}

TEST(AvailableModelList, ASnakeDraftsValuePlaceIsItsRankAndNoneWithoutOne) {
    DraftModel model = auctionWithAdp();
    model.changeSettings([](DraftSettings& draft) { draft.drafttype = kDraftTypeSnake; });
    model.findPlayer(3)->rank = 0;
    const GridTable grid = available(model, "Name", 0, true);
    // Adams: rank 1 less 3.25 = -2.25; Dee without a rank shows no difference.
    EXPECT_EQ(column(grid, 13), (std::vector<std::string>{"", "-2.25", "", ""}));
}

constexpr std::chrono::year_month_day kAgesOn{std::chrono::year{2026}, std::chrono::December,
                                              std::chrono::day{7}};

GridTable research(const DraftModel& model, bool taken, std::string_view key,
                   int priceDecimals = 2) {
    return researchGridOf(model, {kYear, taken, key, false, priceDecimals, kAgesOn});
}

TEST(ResearchModelList, AgesCountWholeYearsUpToTheBirthdayOfTheDayGiven) {
    using namespace std::chrono;
    // Born 30 December 1984: 41 on 7 December 2026, the day before his birthday too, 42 on it.
    EXPECT_EQ(ageOn(std::string("1984-12-30"), kAgesOn), 41);
    EXPECT_EQ(ageOn(std::string("1984-12-30"), year{2026} / December / 29), 41);
    EXPECT_EQ(ageOn(std::string("1984-12-30"), year{2026} / December / 30), 42);
    // Born on 29 February: a year older on 1 March of a common year, on the day in a leap year.
    EXPECT_EQ(ageOn(std::string("2000-02-29"), year{2021} / February / 28), 20);
    EXPECT_EQ(ageOn(std::string("2000-02-29"), year{2021} / March / 1), 21);
    EXPECT_EQ(ageOn(std::string("2000-02-29"), year{2024} / February / 29), 24);
    // Dates as files write them; what is no date has no age, nor a birth after the day.
    EXPECT_EQ(ageOn(std::string("12/30/1984"), kAgesOn), 41);
    EXPECT_EQ(ageOn(std::string("30.12.1984"), kAgesOn), std::nullopt);
    EXPECT_EQ(ageOn(std::string("unknown"), kAgesOn), std::nullopt);
    EXPECT_EQ(ageOn(std::string("2027-01-01"), kAgesOn), std::nullopt);
    EXPECT_EQ(ageOn(std::nullopt, kAgesOn), std::nullopt);
}

TEST(ResearchModelList, TheAgeColumnSaysWhichDayItsAgesAreOf) {
    DraftModel model = smallDraft();
    model.findPlayer(2)->dob = "1984-12-30";
    const GridTable grid = research(model, false, "Name");
    const auto age = static_cast<std::size_t>(grid.columnIndex("Age"));
    ASSERT_EQ(grid.headingNotes.size(), grid.headings.size());
    EXPECT_EQ(grid.headingNotes[age], "Age on 2026-12-07");
    EXPECT_EQ(grid.headingNotes[0], "");
    for (const auto& row : grid.rows) {
        EXPECT_EQ(row[age], row[0] == "2" ? "41" : "") << row[0];
    }
}

TEST(ResearchModelList, AvailableGridShowsTheResearchStatisticsAndSortsPercentagesAsText) {
    DraftModel model = smallDraft();
    model.findPlayer(2)->dob = "1990-05-01";
    const GridTable grid = research(model, false, "FGP");
    EXPECT_EQ(grid.headings,
              (std::vector<std::string>{"playerid", "DV",  "RK",  "Name", "Age",  "Team", "Pos",
                                        "GP",       "PTS", "AST", "STL",  "BLK",  "TO",   "ORB",
                                        "DRB",      "REB", "FGP", "FTP",  "3PTM", "3PCT"}));
    // "1.000" > ".667" > ".538" > ".000" as text, from the greatest.
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"3", "2", "4", "1"}));
    EXPECT_EQ(column(grid, 16), (std::vector<std::string>{"1.000", ".667", ".538", ".000"}));
    EXPECT_EQ(column(grid, 4), (std::vector<std::string>{"", "36", "", ""}));
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"8.50", "20.00", "8.50", "1.25"}));
    // Turnovers from the most here; the Dees tie with Adams at 20 and sort by name.
    EXPECT_EQ(column(research(model, false, "to"), 0),
              (std::vector<std::string>{"2", "4", "3", "1"}));
    EXPECT_EQ(column(research(model, false, "Age"), 0),
              (std::vector<std::string>{"1", "4", "3", "2"}));
}

TEST(ResearchModelList, TakenGridShowsPricePickSlotAndTeamAndAnUnknownKeyKeepsTheFilesOrder) {
    DraftModel model = smallDraft();
    model.picks.push_back({3, 10, "UT", false, 2, 7.5});
    model.picks.push_back({99, 10, "G", false, 3, 1.0});  // not in the season: not shown
    const GridTable grid = research(model, true, "nonsense", 0);
    ASSERT_EQ(grid.rows.size(), 2U);
    EXPECT_EQ(grid.headings.at(2), "PAID");
    EXPECT_EQ(grid.headings.at(8), "Team Name");
    // $ 40 and paid 0 in whole dollars; Tim's rank 5, pick 1, slot as stored, team Owls.
    EXPECT_EQ(grid.rows[0],
              (std::vector<std::string>{"5",    "40", "0",    "5",    "1", "Taken, Tim", "",  "pg",
                                        "Owls", "70", "0",    "0",    "0", "0",          "1", "0",
                                        "0",    "0",  ".000", ".000", "0", ".000"}));
    EXPECT_EQ(grid.rows[1].at(2), "8");  // 7.5 paid, shown in whole dollars rounded up
    EXPECT_EQ(column(research(model, true, "Name"), 0), (std::vector<std::string>{"3", "5"}));
}

}  // namespace
}  // namespace quorvane::test
