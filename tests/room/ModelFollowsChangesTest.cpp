// SPDX-License-Identifier: MIT
// The draft model the program holds stays what a fresh start would read, whatever the program
// or another program changes.
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "model/DraftLoader.h"
#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "projections/ProjectionEdits.h"
#include "projections/ProjectionImport.h"
#include "room/CustomPlayers.h"
#include "room/Keepers.h"
#include "room/MovePlayer.h"
#include "room/PlayerMarks.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/CustomPlayerConversation.h"
#include "session/DraftModelConversation.h"
#include "session/KeeperConversation.h"
#include "session/MarkConversation.h"
#include "session/MoveConversation.h"
#include "session/ProjectionConversation.h"
#include "session/TurnConversation.h"
#include "session/ValuationConversation.h"
#include "store/Connection.h"
#include "store/StatementTrace.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

void expectSamePlayers(const std::vector<ModelPlayer>& held, const std::vector<ModelPlayer>& read,
                       const std::string& step) {
    ASSERT_EQ(held.size(), read.size()) << step;
    for (std::size_t i = 0; i < held.size(); ++i) {
        const ModelPlayer& a = held[i];
        const ModelPlayer& b = read[i];
        EXPECT_EQ(a.playerid, b.playerid) << step;
        EXPECT_EQ(a.yearofprojection, b.yearofprojection) << step;
        EXPECT_EQ(a.lastname, b.lastname) << step;
        EXPECT_EQ(a.firstname, b.firstname) << step;
        EXPECT_EQ(a.pos, b.pos) << step << " " << a.playerid;
        EXPECT_EQ(a.positions, b.positions) << step << " " << a.playerid;
        EXPECT_EQ(a.pickNumber, b.pickNumber) << step << " " << a.playerid;
        EXPECT_EQ(a.dob, b.dob) << step << " " << a.playerid;
        EXPECT_EQ(a.firstnameMissing, b.firstnameMissing) << step << " " << a.playerid;
        EXPECT_EQ(a.lastnameMissing, b.lastnameMissing) << step << " " << a.playerid;
        EXPECT_EQ(a.posMissing, b.posMissing) << step << " " << a.playerid;
        EXPECT_EQ(a.positionColumns, b.positionColumns) << step << " " << a.playerid;
        EXPECT_EQ(a.projected, b.projected) << step << " " << a.playerid;
        EXPECT_EQ(a.stats, b.stats) << step << " " << a.playerid;
        EXPECT_EQ(a.dollars, b.dollars) << step << " " << a.playerid;
        EXPECT_EQ(a.rank, b.rank) << step << " " << a.playerid;
        EXPECT_EQ(a.teamid, b.teamid) << step << " " << a.playerid;
        EXPECT_EQ(a.slot, b.slot) << step << " " << a.playerid;
        EXPECT_EQ(a.price, b.price) << step << " " << a.playerid;
        EXPECT_EQ(a.adp, b.adp) << step << " " << a.playerid;
        EXPECT_EQ(a.aav, b.aav) << step << " " << a.playerid;
        EXPECT_EQ(a.team, b.team) << step << " " << a.playerid;
        EXPECT_EQ(a.notes, b.notes) << step << " " << a.playerid;
        EXPECT_EQ(a.flag, b.flag) << step << " " << a.playerid;
        EXPECT_EQ(a.storedOrder, b.storedOrder) << step << " " << a.playerid;
    }
}

// The model the program holds against the file read afresh.
void expectHeldIsFresh(TestProgram& program, const std::string& step) {
    const DraftModel* held = currentDraftModel(program.state, program.dialogs);
    const std::optional<DraftModel> read = readDraftModel(program.state, program.dialogs);
    ASSERT_NE(held, nullptr) << step;
    ASSERT_TRUE(read.has_value()) << step;
    expectSamePlayers(held->players, read->players, step);
    expectSamePlayers(held->otherSeasons, read->otherSeasons, step);
    ASSERT_EQ(held->picks.size(), read->picks.size()) << step;
    for (std::size_t i = 0; i < held->picks.size(); ++i) {
        EXPECT_EQ(held->picks[i].playerid, read->picks[i].playerid) << step;
        EXPECT_EQ(held->picks[i].teamid, read->picks[i].teamid) << step;
        EXPECT_EQ(held->picks[i].slot, read->picks[i].slot) << step;
        EXPECT_EQ(held->picks[i].price, read->picks[i].price) << step;
        EXPECT_EQ(held->picks[i].pickNumber, read->picks[i].pickNumber) << step;
    }
    EXPECT_EQ(held->cap(), read->cap()) << step;
    EXPECT_EQ(held->categories.size(), read->categories.size()) << step;
    EXPECT_EQ(held->teams.size(), read->teams.size()) << step;
}

struct HeldModel : RoomFixture {
    HeldModel() : RoomFixture(4, kDraftTypeAuction) {
        for (int k = 0; k < 12; ++k) {
            addPlayer({.playerid = 15001 + k,
                       .firstname = "First",
                       .lastname = "Player" + std::to_string(k),
                       .pos = k % 3 == 0 ? "C" : "G",
                       .fgm = 100 + 37 * k,
                       .fga = 230 + 61 * k,
                       .ftm = 50 + 13 * k,
                       .fta = 70 + 17 * k,
                       .assists = 40 + 29 * k,
                       .turnovers = 20 + 7 * k});
        }
        addPlayer({.playerid = 15001,
                   .firstname = "First",
                   .lastname = "Player0",
                   .year = 2018,
                   .fgm = 90,
                   .fga = 200});
        reload();
        // The program holds the model from here on.
        EXPECT_TRUE(calcDollarValues(state, state.showInflation));
    }
    PickForm form(int draftposition, const std::string& pos, const std::string& dollars) {
        return {teamAt(draftposition), pos, dollars};
    }
};

}  // namespace

TEST(HeldDraftModel, StaysWhatTheFileHoldsAfterEveryKindOfChange) {
    HeldModel room;
    expectHeldIsFresh(room, "valuation");

    ASSERT_EQ(recordPick(room.state, room.dialogs, 15004, room.form(1, "UT", "21")).outcome,
              PickOutcome::Recorded);
    expectHeldIsFresh(room, "pick");
    room.state.showInflation = true;
    ASSERT_TRUE(calcDollarValues(room.state, room.state.showInflation));
    expectHeldIsFresh(room, "valuation with inflation");

    ASSERT_TRUE(skipTurn(room.state, room.dialogs).has_value());
    expectHeldIsFresh(room, "skip");
    ASSERT_TRUE(undoLastPick(room.state, room.dialogs).has_value());
    expectHeldIsFresh(room, "undo");

    EXPECT_EQ(addKeeper(room.state, room.dialogs, 15007, room.teamAt(2), "C", "13"),
              KeeperOutcome::Added);
    expectHeldIsFresh(room, "keeper");
    ASSERT_EQ(changePlayer(room.state, room.dialogs, 15007, room.teamAt(3), "UT", "14").outcome,
              MoveOutcome::Changed);
    expectHeldIsFresh(room, "move");

    room.setMoney(230, 2);
    room.reload();
    ASSERT_TRUE(calcRanks(room.state, room.dialogs));
    expectHeldIsFresh(room, "setting change");

    const auto projection = loadPlayerProjection(room.state, room.dialogs, 15002);
    ASSERT_TRUE(projection.has_value());
    ASSERT_TRUE(saveProjectionEdit(room.state, room.dialogs, *projection,
                                   {"71", "700", "301", "120", "90", "60", "20", "30", "90", "111",
                                    "12", "9", "33", "4", "1"}));
    expectHeldIsFresh(room, "projection edit");

    ASSERT_TRUE(importProjectionText(
                    room.state, room.dialogs,
                    "playerid,statindicator,yearofprojection,firstname,lastname,pos,team,dob,"
                    "games,minutes,fta,ftm,fga,fgm,pt3a,pt3m,oreb,dreb,assists,steals,blocks,"
                    "turnovers,doubledouble,tripledouble,revisiondate,unused25,unused26,PG,SG,"
                    "PF,SF,C\r\n"
                    "15003,P,2019,First,Player2,G,BOS,1990-01-01,80,2400,90,77,500,240,100,35,"
                    "40,200,300,60,20,100,9,1,2019-10-01,0,0,1,1,0,0,0\r\n")
                    .has_value());
    expectHeldIsFresh(room, "import");

    {
        // Another program records a pick and changes a value.
        Connection other;
        ASSERT_TRUE(openConnection(other, room.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other,
                               "insert into DraftTaken (template_id, playerid, teamid, pos, "
                               "draftorder, dollars) values (?, 15010, ?, 'G', 9, 6.5)",
                               {std::int64_t{room.draftId}, std::int64_t{room.teamAt(4)}}));
        ASSERT_TRUE(
            executeSql(other, "update DraftPlayers set dollars = 3.25 where playerid = 15011"));
    }
    expectHeldIsFresh(room, "another program's writes");
    const DraftModel* held = currentDraftModel(room.state, room.dialogs);
    ASSERT_NE(held, nullptr);
    EXPECT_DOUBLE_EQ(held->findPlayer(15011)->dollars, 3.25);
    EXPECT_EQ(held->findPlayer(15010)->teamid, room.teamAt(4));
}

// A thread with a connection of its own (the draft-night host, the bots) reads the draft whole;
// a read that fails comes back with its message and log line, and the held model is dropped.
TEST(HeldDraftModel, AConnectionOfItsOwnReadsTheDraftWholeAndAFailedReadComesBack) {
    HeldModel room;
    ASSERT_EQ(recordPick(room.state, room.dialogs, 15004, room.form(1, "UT", "21")).outcome,
              PickOutcome::Recorded);
    Connection own;
    ASSERT_TRUE(openConnection(own, room.state.connectionString, Log()));
    const Outcome<DraftModel> read =
        readDraftModel(own, std::make_shared<const DraftSettings>(*room.state.draftSettings()),
                       room.state.projectionYear);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->findPlayer(15004)->teamid, room.teamAt(1));
    EXPECT_DOUBLE_EQ(read->findPlayer(15004)->price, 21.0);
    EXPECT_EQ(read->picks.size(), 1u);

    room.exec("drop table DraftPunts");
    room.state.draftModel->forget();
    const std::size_t shown = room.dialogs.messages.size();
    const Outcome<const DraftModel*> held = currentDraftModel(room.state);
    ASSERT_FALSE(held.ok());
    EXPECT_EQ(held.failure().message.title, "Database Error");
    EXPECT_EQ(held.failure().logLine, " 91002 error: could not read punts");
    EXPECT_NE(room.logLines().back().find(" 91002 error: could not read punts"), std::string::npos);
    EXPECT_EQ(room.dialogs.messages.size(), shown);
    // Nothing stale is served in its place: the next ask reads the file again.
    EXPECT_FALSE(currentDraftModel(room.state).ok());
}

// A keeper this program adds right after another program's write must not stamp the held model,
// which never saw that write, as what the file holds.
TEST(HeldDraftModel, AKeeperAfterAnotherProgramsWriteLeavesThatWriteInTheModel) {
    HeldModel room;
    ASSERT_NE(currentDraftModel(room.state, room.dialogs), nullptr);
    {
        Connection other;
        ASSERT_TRUE(openConnection(other, room.state.connectionString, Log()));
        ASSERT_TRUE(
            executeSql(other, "update DraftPlayers set dollars = 3.25 where playerid = 15011"));
    }
    EXPECT_EQ(addKeeper(room.state, room.dialogs, 15007, room.teamAt(2), "C", "13"),
              KeeperOutcome::Added);
    expectHeldIsFresh(room, "keeper after another program's write");
    const DraftModel* held = currentDraftModel(room.state, room.dialogs);
    ASSERT_NE(held, nullptr);
    EXPECT_DOUBLE_EQ(held->findPlayer(15011)->dollars, 3.25);
}

// Another program's pick committed after the picks were read, while the rest of the model is
// read: the model kept from that read must not be taken as the file's current one.
TEST(HeldDraftModel, APickCommittedWhileTheModelIsReadIsReadAfterIt) {
    HeldModel room;
    Connection other;
    ASSERT_TRUE(openConnection(other, room.state.connectionString, Log()));
    room.state.draftModel->forget();
    bool picked = false;
    {
        const StatementTrace trace(room.state.dbConnection, [&](std::string_view sql) {
            if (!picked && sql.find("from DraftPunts") != std::string_view::npos) {
                picked = true;
                EXPECT_TRUE(
                    executeSql(other,
                               "insert into DraftTaken (template_id, playerid, teamid, "
                               "pos, draftorder, dollars) values (?, 15010, ?, 'G', 9, 6.5)",
                               {std::int64_t{room.draftId}, std::int64_t{room.teamAt(4)}}));
            }
        });
        ASSERT_NE(currentDraftModel(room.state, room.dialogs), nullptr);
    }
    ASSERT_TRUE(picked);
    const DraftModel* held = currentDraftModel(room.state, room.dialogs);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->findPlayer(15010)->teamid, room.teamAt(4));
}

// How often the whole player table is read while `change` runs and the model is asked for.
template <class Change>
int playerReadsFor(TestProgram& program, Change change) {
    int reads = 0;
    StatementTrace trace(program.state.dbConnection, [&reads](std::string_view sql) {
        reads += sql.find("from DraftPlayers order by") != std::string_view::npos ? 1 : 0;
    });
    change();
    EXPECT_NE(currentDraftModel(program.state, program.dialogs), nullptr);
    return reads;
}

TEST(HeldDraftModel, APickOrUndoOfThisProgramChangesTheModelWithoutReadingTheFileAgain) {
    HeldModel room;
    ASSERT_NE(currentDraftModel(room.state, room.dialogs), nullptr);

    EXPECT_EQ(
        playerReadsFor(
            room,
            [&] {
                EXPECT_EQ(
                    recordPick(room.state, room.dialogs, 15006, room.form(2, "c", "17")).outcome,
                    PickOutcome::Recorded);
            }),
        0);
    expectHeldIsFresh(room, "pick in a lower-case slot");
    EXPECT_EQ(currentDraftModel(room.state, room.dialogs)->findPlayer(15006)->slot, "C");

    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_TRUE(undoLastPick(room.state, room.dialogs)); }),
              0);
    expectHeldIsFresh(room, "undo of the pick");
    EXPECT_EQ(currentDraftModel(room.state, room.dialogs)->findPlayer(15006)->teamid, 0);
    // An auction's skip changes nothing at all.
    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_TRUE(skipTurn(room.state, room.dialogs)); }), 0);
    expectHeldIsFresh(room, "skip");

    EXPECT_EQ(playerReadsFor(room,
                             [&] {
                                 EXPECT_EQ(addKeeper(room.state, room.dialogs, 15009,
                                                     room.teamAt(3), "g", "6.5"),
                                           KeeperOutcome::Added);
                             }),
              0);
    expectHeldIsFresh(room, "keeper");
    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_TRUE(undoLastPick(room.state, room.dialogs)); }),
              0);
    expectHeldIsFresh(room, "undo of the keeper");
    ASSERT_EQ(addKeeper(room.state, room.dialogs, 15008, room.teamAt(2), "C", "4.25"),
              KeeperOutcome::Added);
    room.dialogs.answers.push_back(true);
    EXPECT_EQ(
        playerReadsFor(room, [&] { EXPECT_TRUE(removeKeeper(room.state, room.dialogs, 15008)); }),
        0);
    expectHeldIsFresh(room, "keeper removed");

    ASSERT_EQ(recordPick(room.state, room.dialogs, 15010, room.form(1, "G", "9")).outcome,
              PickOutcome::Recorded);
    EXPECT_EQ(playerReadsFor(room,
                             [&] {
                                 EXPECT_EQ(changePlayer(room.state, room.dialogs, 15010,
                                                        room.teamAt(4), "ut", "11")
                                               .outcome,
                                           MoveOutcome::Changed);
                             }),
              0);
    expectHeldIsFresh(room, "move");
    EXPECT_DOUBLE_EQ(currentDraftModel(room.state, room.dialogs)->findPlayer(15010)->price, 11.0);
    // Dropped from a team he is not on, nobody moves.
    EXPECT_EQ(
        playerReadsFor(room, [&] { dropPlayer(room.state, room.dialogs, 15010, room.teamAt(1)); }),
        0);
    expectHeldIsFresh(room, "drop from another team");
    EXPECT_EQ(currentDraftModel(room.state, room.dialogs)->findPlayer(15010)->teamid,
              room.teamAt(4));
    EXPECT_EQ(playerReadsFor(
                  room,
                  [&] {
                      EXPECT_EQ(dropPlayer(room.state, room.dialogs, 15010, room.teamAt(4)).outcome,
                                MoveOutcome::Changed);
                  }),
              0);
    expectHeldIsFresh(room, "drop");

    EXPECT_EQ(playerReadsFor(room,
                             [&] {
                                 EXPECT_TRUE(addCustomPlayer(room.state, room.dialogs,
                                                             {"Newly", "Added", "PG", "BOS"}));
                             }),
              0);
    expectHeldIsFresh(room, "custom player");
    EXPECT_NE(currentDraftModel(room.state, room.dialogs)->findPlayer(kFirstCustomPlayerId),
              nullptr);

    // 15001 has a row of an earlier season too: the flag is on both, the note on this one.
    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_TRUE(setPlayerFlag(room.state, 15001, 2)); }), 0);
    expectHeldIsFresh(room, "flag");
    EXPECT_EQ(
        playerReadsFor(room, [&] { EXPECT_EQ(chooseFlag(room.state, 15001, 2, 2), kNoFlag); }), 0);
    expectHeldIsFresh(room, "flag cleared");
    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_EQ(chooseFlag(room.state, 15002, 0, 3), 3); }), 0);
    expectHeldIsFresh(room, "flag chosen");
    EXPECT_EQ(playerReadsFor(
                  room, [&] { EXPECT_TRUE(savePlayerNote(room.state, 15001, "Back in \"May\"")); }),
              0);
    expectHeldIsFresh(room, "note");
    EXPECT_EQ(currentDraftModel(room.state, room.dialogs)->findPlayer(15001)->notes,
              "Back in \"May\"");
    EXPECT_EQ(playerReadsFor(room, [&] { EXPECT_TRUE(savePlayerNote(room.state, 15001, "")); }), 0);
    expectHeldIsFresh(room, "note emptied");
}

}  // namespace quorvane::test
