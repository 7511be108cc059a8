// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RoomFixture.h"
#include "draftconfig/NewDraft.h"
#include "projections/Exports.h"
#include "projections/ProjectionFiles.h"
#include "projections/ProjectionImport.h"
#include "room/CustomPlayers.h"
#include "room/Keepers.h"
#include "room/MovePlayer.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/CustomPlayerConversation.h"
#include "session/DraftConversation.h"
#include "session/KeeperConversation.h"
#include "session/MoveConversation.h"
#include "session/ProjectionConversation.h"
#include "session/TurnConversation.h"
#include "session/ValuationConversation.h"
#include "store/RowReader.h"
#include "valuation/Ranks.h"

namespace quorvane::test {
namespace {

// A snake draft of four teams with one pick made, while another program holds the writer's
// lock; this program gives up after 50 ms instead of 5 s.
struct BusyRoom : RoomFixture {
    BusyRoom() : RoomFixture(4, kDraftTypeSnake) {
        for (int id = 1; id <= 3; ++id) {
            addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
        }
        EXPECT_EQ(recordPick(state, dialogs, 1, {teamAt(1), "G", ""}).outcome,
                  PickOutcome::Recorded);
        dialogs.messages.clear();
        setBusyTimeout(state.dbConnection, 50);
        EXPECT_TRUE(openConnection(other, state.connectionString, Log()));
        EXPECT_TRUE(executeSql(other, "BEGIN IMMEDIATE"));
    }
    ~BusyRoom() { executeSql(other, "ROLLBACK"); }

    // What the tables hold that any room action could change.
    std::string snapshot() {
        const std::optional<std::string> tables = readScalar<std::string>(
            state.dbConnection,
            "select (select group_concat(playerid || '/' || teamid || '/' || ifnull(pos, '') ||"
            " '/' || draftorder, ' ') from DraftTaken) || ' | ' || (select group_concat(teamid"
            " || '/' || currentpick, ' ') from DraftTeams) || ' | ' || (select draftdirection"
            " from DraftTemplate where template_id = ?) || ' | ' || (select count(*) from"
            " DraftTemplate) || ' | ' || (select count(*) from draftAdded) || ' | ' ||"
            " (select count(*) from DraftPlayers) as state",
            {std::int64_t{draftId}});
        EXPECT_TRUE(tables.has_value());
        return tables.value_or("");
    }

    Connection other;
};

TEST(BusyRoom, EveryActionIsRefusedWithTheBusyMessageOnceAndWritesNothing) {
    const std::vector<std::pair<const char*, std::function<bool(BusyRoom&)>>> actions = {
        {"pick",
         [](BusyRoom& room) {
             return recordPick(room.state, room.dialogs, 2, {room.teamAt(2), "G", ""}).outcome ==
                    PickOutcome::Recorded;
         }},
        {"undo", [](BusyRoom& room) { return undoLastPick(room.state, room.dialogs).has_value(); }},
        {"skip", [](BusyRoom& room) { return skipTurn(room.state, room.dialogs).has_value(); }},
        {"keeper",
         [](BusyRoom& room) {
             return addKeeper(room.state, room.dialogs, 3, room.teamAt(3), "G", "") ==
                    KeeperOutcome::Added;
         }},
        {"move",
         [](BusyRoom& room) {
             return changePlayer(room.state, room.dialogs, 1, room.teamAt(4), "UT", "").outcome ==
                    MoveOutcome::Changed;
         }},
        {"drop",
         [](BusyRoom& room) {
             return dropPlayer(room.state, room.dialogs, 1, room.teamAt(1)).outcome ==
                    MoveOutcome::Changed;
         }},
        {"new draft",
         [](BusyRoom& room) {
             return createDraft(room.state, room.dialogs, {"Second League", 7, false, true})
                 .has_value();
         }},
        {"custom player",
         [](BusyRoom& room) {
             return addCustomPlayer(room.state, room.dialogs, {"New", "Guy", "C", "BOS"})
                 .has_value();
         }},
        {"import",
         [](BusyRoom& room) {
             const std::string file =
                 writeFile(room.folder, "more.csv",
                           joinLines({kHeader, projectionLine(4, 2019, "Ann", "Other")}, "\r\n"));
             return importProjectionFile(room.state, room.dialogs, file).has_value();
         }},
    };
    for (const auto& [name, action] : actions) {
        BusyRoom room;
        const std::string before = room.snapshot();
        EXPECT_FALSE(action(room)) << name;
        ASSERT_EQ(room.dialogs.messages.size(), 1u) << name;
        EXPECT_EQ(room.dialogs.messages[0].title, kDatabaseBusyTitle) << name;
        EXPECT_EQ(room.dialogs.messages[0].text, kDatabaseBusyMessage) << name;
        EXPECT_TRUE(room.dialogs.questions.empty()) << name;
        executeSql(room.other, "ROLLBACK");
        EXPECT_EQ(room.snapshot(), before) << name;
        EXPECT_EQ(room.memoryTurn(), room.storedTurn()) << name;
        bool logged = false;
        for (const std::string& line : room.logLines()) {
            logged = logged || line.find(" 009 error: database is busy") != std::string::npos;
        }
        EXPECT_TRUE(logged) << name;
    }
}

TEST(BusyRoom, AValueRunThatOnlyLogsLeavesTheBusyReportToItsCaller) {
    BusyRoom room;
    EXPECT_FALSE(calcRanks(room.state, room.dialogs));
    EXPECT_TRUE(room.dialogs.messages.empty());
    EXPECT_TRUE(reportDatabaseBusy(room.dialogs, room.state.dbConnection));
    EXPECT_FALSE(reportDatabaseBusy(room.dialogs, room.state.dbConnection));
    EXPECT_EQ(room.dialogs.messages.size(), 1u);
}

TEST(BusyRoom, AProjectionExportWhoseValuesCannotBeUpdatedWritesNoFile) {
    BusyRoom room;
    EXPECT_FALSE(
        runExport(room.state, room.dialogs, ExportKind::Projections, room.folder.str(), false));
    ASSERT_EQ(room.dialogs.messages.size(), 1u);
    EXPECT_EQ(room.dialogs.messages[0].title, kDatabaseBusyTitle);
    EXPECT_FALSE(std::filesystem::exists(room.folder.path() / "quorvane_projections.csv"));
    EXPECT_EQ(room.dialogs.busyCalls.back(), false);
}

TEST(BusyRoom, APickChecksThePlayerAndTheTurnAsAnotherProgramLeftThem) {
    BusyRoom room;
    executeSql(room.other, "ROLLBACK");
    // Another program took player 2 for team 2 and passed the turn to team 3.
    ASSERT_TRUE(executeSql(room.other,
                           "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder)"
                           " values (?, 2, ?, 'G', 2)",
                           {std::int64_t{room.draftId}, std::int64_t{room.teamAt(2)}}));
    ASSERT_TRUE(executeSql(room.other,
                           "update DraftTeams set currentpick = (teamid = ?) where template_id = ?",
                           {std::int64_t{room.teamAt(3)}, std::int64_t{room.draftId}}));
    EXPECT_EQ(room.memoryTurn(), "2U");  // this program has not looked yet

    EXPECT_EQ(recordPick(room.state, room.dialogs, 2, {room.teamAt(2), "G", ""}).outcome,
              PickOutcome::Stopped);
    EXPECT_EQ(room.dialogs.messages.back().title, "Player Already Selected");
    EXPECT_EQ(recordPick(room.state, room.dialogs, 3, {room.teamAt(3), "G", ""}).outcome,
              PickOutcome::Recorded);
    EXPECT_EQ(room.storedTurn(), "4U");
}

}  // namespace
}  // namespace quorvane::test
