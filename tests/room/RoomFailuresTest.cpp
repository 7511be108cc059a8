// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "RoomFixture.h"
#include "room/RefreshMain.h"
#include "room/TurnHistoryWriter.h"
#include "room/WatchList.h"
#include "store/Connection.h"
#include "vocabulary/DatabaseMessages.h"

namespace quorvane::test {
namespace {

// Where the first log line holding `text` sits; the end when none does.
std::ptrdiff_t lineHolding(const std::vector<std::string>& lines, const std::string& text) {
    return std::find_if(
               lines.begin(), lines.end(),
               [&text](const std::string& line) { return line.find(text) != std::string::npos; }) -
           lines.begin();
}

bool logged(const TestProgram& program, const std::string& text) {
    const std::vector<std::string> lines = program.logLines();
    return lineHolding(lines, text) != static_cast<std::ptrdiff_t>(lines.size());
}

TEST(WatchListFailures, EachFailedStepComesBackWithTheAccessMessageAndItsOwnLogLine) {
    RoomFixture room(3, kDraftTypeSnake);
    room.addPlayer({.playerid = 7, .firstname = "A", .lastname = "B"});
    room.exec("alter table DraftWatch rename to Gone");

    const Outcome<Done> marked = setWatched(room.state, 7, true);
    ASSERT_FALSE(marked);
    EXPECT_EQ(
        marked.failure().message,
        (Message{"Database Error", std::string(kDatabaseAccessMessage), MessageIcon::Exclamation}));
    EXPECT_TRUE(logged(room, " 90301 error: could not add to the watch list"));

    const Outcome<Done> unmarked = setWatched(room.state, 7, false);
    ASSERT_FALSE(unmarked);
    EXPECT_TRUE(logged(room, " 90302 error: could not remove from the watch list"));

    const Outcome<bool> toggled = toggleWatched(room.state, 7);
    ASSERT_FALSE(toggled);
    EXPECT_EQ(toggled.failure().message.title, "Database Error");
    EXPECT_TRUE(logged(room, " 90300 error: could not read the watch list"));
}

TEST(WatchListFailures, ABusyDatabaseComesBackAsBusyAndMarksNobody) {
    RoomFixture room(3, kDraftTypeSnake);
    room.addPlayer({.playerid = 7, .firstname = "A", .lastname = "B"});
    setBusyTimeout(room.state.dbConnection, 50);
    Connection other;
    ASSERT_TRUE(openConnection(other, room.state.connectionString, Log()));
    ASSERT_TRUE(executeSql(other, "BEGIN IMMEDIATE"));

    const Outcome<bool> toggled = toggleWatched(room.state, 7);
    executeSql(other, "ROLLBACK");

    ASSERT_FALSE(toggled);
    EXPECT_EQ(toggled.failure().kind, WriteFailure::Kind::Busy);
    EXPECT_EQ(toggled.failure().message.title, "Database Busy");
    const std::vector<std::string> lines = room.logLines();
    // The busy line first, then the step's own.
    EXPECT_LT(lineHolding(lines, std::string(kDatabaseBusyLogLine)),
              lineHolding(lines, " 90301 error"));
    EXPECT_LT(lineHolding(lines, " 90301 error"), static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_TRUE(readOpenWatchList(room.state)->empty());
}

TEST(RoomRebuildFailures, UnreadablePicksLeaveTheirListsOutAndComeBackInTheOrderMet) {
    RoomFixture room(3, kDraftTypeAuction);
    room.addPlayer({.playerid = 7, .firstname = "A", .lastname = "B"});
    room.setRoster(1, 1, 0, 0, 0, 0, 0, 0, 0);
    room.exec("alter table DraftTaken rename to Gone");

    RoomRebuild read = refreshAfterPick(room.state);
    EXPECT_FALSE(read.view.money.has_value());
    EXPECT_TRUE(read.view.showAuctionControls);
    ASSERT_EQ(read.failures.size(), 1U);

    readRoomLists(room.state, ListShowing{}, PlayerListView{}, read);
    EXPECT_FALSE(read.view.availablePlayers.has_value());
    EXPECT_FALSE(read.view.draftLog.has_value());
    ASSERT_TRUE(read.view.roster.has_value());
    EXPECT_EQ(read.view.roster->rowHeaders, (std::vector<std::string>{"G", "C"}));
    // The notes live elsewhere and are still read.
    EXPECT_TRUE(read.view.draftNotes.has_value());
    ASSERT_EQ(read.failures.size(), 2U);
    EXPECT_EQ(read.failures[1].title, "Database Error");
    const std::vector<std::string> lines = room.logLines();
    EXPECT_LT(lineHolding(lines, " 90002 error: could not get auction dollars"),
              lineHolding(lines, " 60000 error: could not access database"));
    EXPECT_LT(lineHolding(lines, " 60000 error"), static_cast<std::ptrdiff_t>(lines.size()));
}

TEST(TurnStepFailures, AFailedTurnMoveNamesItsStatementAndShowsNothing) {
    RoomFixture room(4, kDraftTypeSnake);
    room.exec("alter table DraftTeams rename to Gone");
    const TurnLogLines lines{" 1 clear", " 2 set", " 3 up", " 4 down"};

    const Outcome<Done> moved = moveTurnTo(room.state, TurnPosition{3, "D"}, lines);
    ASSERT_FALSE(moved);
    EXPECT_EQ(moved.failure().logLine, " 1 clear");
    EXPECT_EQ(moved.failure().message.title, "Database Error");
    EXPECT_EQ(room.logLines().back().substr(room.logLines().back().size() - 8), " 1 clear");
}

}  // namespace
}  // namespace quorvane::test
