// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "store/DraftSetupRows.h"
#include "store/ExportRows.h"
#include "store/FollowRows.h"
#include "store/ProjectionEditRows.h"
#include "store/ProjectionRepository.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

// The flags of DraftTeams.currentpick by draft position, e.g. "100".
std::string clockFlags(TestProgram& program, int templateId) {
    std::string flags;
    for (int position = 1; position <= 3; ++position) {
        flags += std::to_string(static_cast<int>(program.scalar(
            "select currentpick from DraftTeams where template_id = " + std::to_string(templateId) +
            " and draftposition = " + std::to_string(position))));
    }
    return flags;
}

TEST(DraftSetupRows, EachClockResetLeavesTheFlagsItNames) {
    TestProgram program;
    const int draft = program.newDraft("Three", 3, false, true);
    const int other = program.newDraft("Other", 3, false, true);
    Connection& db = program.state.dbConnection;
    program.exec("update DraftTeams set currentpick = 1 where draftposition = 2");
    ASSERT_EQ(clockFlags(program, draft), "110");

    ASSERT_TRUE(resetCurrentPick(db, draft, ClockReset::OnlyFirst));
    EXPECT_EQ(clockFlags(program, draft), "100");
    program.exec("update DraftTeams set currentpick = 0");
    program.exec("update DraftTeams set currentpick = 1 where draftposition = 3");
    ASSERT_TRUE(resetCurrentPick(db, draft, ClockReset::FirstPosition));
    EXPECT_EQ(clockFlags(program, draft), "101");  // the others keep theirs
    ASSERT_TRUE(resetCurrentPick(db, draft, ClockReset::NoTeam));
    EXPECT_EQ(clockFlags(program, draft), "000");
    // Another draft's teams are not touched.
    EXPECT_EQ(clockFlags(program, other), "001");
}

TEST(DraftSetupRows, SettingsOfADraftWithoutRosterRowReadAsNoDraftAndAFailureAsNoRead) {
    TestProgram program;
    const int draft = program.newDraft("Roto", 4, true, true);
    Connection& db = program.state.dbConnection;
    const auto read = readDraftSettingsRow(db, draft);
    ASSERT_TRUE(read && *read);
    EXPECT_EQ((*read)->template_name, "Roto");
    EXPECT_EQ((*read)->teams, 4);
    program.exec("delete from DraftRoster where template_id = " + std::to_string(draft));
    const auto missing = readDraftSettingsRow(db, draft);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(*missing);
    program.exec("drop table DraftRoster");
    EXPECT_FALSE(readDraftSettingsRow(db, draft));
}

TEST(FollowRows, AnotherRoomDraftDropsTheClockAndAnUnfollowedDraftHasNone) {
    TestProgram program;
    const int draft = program.newDraft("Followed", 3, false, true);
    Connection& db = program.state.dbConnection;
    ASSERT_TRUE(writeFollowLink(db, draft, {"sleeper", "9001", 2026}, true));
    FollowClockRow clock;
    clock.status = "drafting";
    clock.teams = 3;
    clock.roomPicks = 16;
    clock.pickNo = 17;
    clock.teamid = 2;
    ASSERT_TRUE(writeFollowClock(db, draft, clock));
    auto read = readFollowClock(db, draft);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->link.roomDraftId, "9001");
    EXPECT_EQ(read->link.roomSeason, 2026);
    EXPECT_EQ(read->pickNo, 17);
    EXPECT_EQ(read->turnsMine, -1);

    // The same room again keeps its clock; another draft of the room starts without one.
    ASSERT_TRUE(writeFollowLink(db, draft, {"sleeper", "9001", 2026}, true));
    EXPECT_EQ(readFollowClock(db, draft)->pickNo, 17);
    ASSERT_TRUE(writeFollowLink(db, draft, {"sleeper", "9002", 2026}, true));
    EXPECT_EQ(readFollowClock(db, draft)->pickNo, 0);

    ASSERT_TRUE(writeFollowLink(db, draft, {"sleeper", "9002", 2026}, false));
    EXPECT_FALSE(readFollowClock(db, draft));
    EXPECT_EQ(readFollowLink(db, draft)->roomDraftId, "9002");
}

TEST(FollowRows, APickWrittenAgainReplacesTheOldAndIsNoLongerReported) {
    TestProgram program;
    const int draft = program.newDraft("Followed", 3, false, true);
    Connection& db = program.state.dbConnection;
    ASSERT_TRUE(writeFollowPick(db, draft, {4, "r44", 120, false, false}));
    ASSERT_TRUE(writeFollowPick(db, draft, {2, "r22", 110, true, false}));
    ASSERT_TRUE(markFollowPickReported(db, draft, 4));
    auto picks = readFollowPicks(db, draft);
    ASSERT_TRUE(picks && picks->size() == 2u);
    EXPECT_EQ((*picks)[0].pickNo, 2);  // in pick order
    EXPECT_TRUE((*picks)[0].keeper);
    EXPECT_TRUE((*picks)[1].reported);
    ASSERT_TRUE(writeFollowPick(db, draft, {4, "r45", 121, false, true}));
    picks = readFollowPicks(db, draft);
    ASSERT_EQ(picks->size(), 2u);
    EXPECT_EQ((*picks)[1].playerid, 121);
    EXPECT_FALSE((*picks)[1].reported);
}

TEST(ProjectionRepository, NewPlayersContinueAfterTheHighestCustomOrStoredNumber) {
    TestProgram program;
    Connection& db = program.state.dbConnection;
    EXPECT_EQ(nextNewPlayerId(db, 20000), 20000);
    program.exec("insert into draftAdded (playerid, lastname) values (20003, 'Custom')");
    EXPECT_EQ(nextNewPlayerId(db, 20000), 20004);
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, lastname) values (20007, 2026, "
        "'Imported'), (19999, 2026, 'Projected')");
    EXPECT_EQ(nextNewPlayerId(db, 20000), 20008);
}

TEST(ExportRows, PointsScoredCountAThreeAsThreeAndCustomPlayersAreLeftOut) {
    TestProgram program;
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, pt3m, ftm) values (11, 2026, 'Ann', 'Zed', 'G', 'BOS', 79, 517, 143, 389), "
        "(20001, 2026, 'Own', 'Player', 'G', 'BOS', 70, 300, 10, 100), "
        "(12, 2025, 'Old', 'Season', 'G', 'BOS', 70, 300, 10, 100)");
    const auto rows = readProjectionExportRows(program.state.dbConnection, 2026);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].lastname, "Zed");
    EXPECT_EQ((*rows)[0].statistics[0], "79");
    // 2 x 517 + 143 + 389 = 1034 + 532 = 1566
    EXPECT_EQ((*rows)[0].statistics[2], "1566");
}

TEST(ProjectionEditRows, ThePositionButtonsListTheirPlayersByName) {
    TestProgram program;
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, games) "
        "values (1, 2026, 'Bo', 'Young', 'G', 61), (2, 2026, 'Al', 'Young', 'C', 70), "
        "(3, 2026, 'Cy', 'Adams', 'F', 82), (4, 2026, 'Di', 'Baker', 'P', 50), "
        "(5, 2025, 'Ed', 'Old', 'G', 12)");
    Connection& db = program.state.dbConnection;
    const ProjectionListRead all = readProjectionList(db, 2026, 0);
    ASSERT_TRUE(all.read.ok);
    ASSERT_EQ(all.rows.size(), 3u);
    EXPECT_EQ(all.rows[0].name, "Adams, Cy");
    EXPECT_EQ(all.rows[1].name, "Young, Al");
    EXPECT_EQ(all.rows[2].stats[0], "61");
    const ProjectionListRead guards = readProjectionList(db, 2026, 2);
    ASSERT_EQ(guards.rows.size(), 1u);
    EXPECT_EQ(guards.rows[0].playerid, "1");
}

}  // namespace
}  // namespace quorvane
