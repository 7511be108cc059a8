// SPDX-License-Identifier: MIT
// The turn writers decide again under the writer's lock, so a check and its write are one step
// whichever connection gets there first.
#include <gtest/gtest.h>

#include <array>
#include <latch>
#include <string>
#include <thread>

#include "RoomFixture.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "room/CustomPlayerWriter.h"
#include "room/KeeperWriters.h"
#include "room/MoveWriters.h"
#include "room/TurnWriters.h"
#include "store/Connection.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane::test {
namespace {

// The slot of each round, so that no pick of a 13-round draft fills a slot twice over.
constexpr std::array<const char*, 13> kSlotOfRound = {"PG", "SG", "G",  "SF", "PF", "F", "C",
                                                      "C",  "UT", "UT", "R",  "R",  "R"};

// Four teams, snake, 13 rounds of the default roster, 51 picks made: turn 52, the last, is on
// the clock for position 4.
struct LastTurn : RoomFixture {
    LastTurn() : RoomFixture(4, kDraftTypeSnake) {
        for (int id = 1; id <= 60; ++id) {
            addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
        }
        reload();
        const DraftSettings& draft = *state.draftSettings();
        for (int turn = 1; turn <= 51; ++turn) {
            EXPECT_TRUE(executeSql(
                state.dbConnection,
                "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
                "values (?, ?, ?, ?, ?, 0)",
                {std::int64_t{draftId}, std::int64_t{turn}, std::int64_t{teamOfTurn(draft, turn)},
                 std::string(kSlotOfRound[static_cast<std::size_t>((turn - 1) / 4)]),
                 std::int64_t{turn}}));
        }
        EXPECT_TRUE(executeSql(state.dbConnection,
                               "update DraftTeams set currentpick = (teamid = ?) where "
                               "template_id = ?",
                               {std::int64_t{teamAt(4)}, std::int64_t{draftId}}));
    }
};

// What a program of its own holds: a connection and the draft read through it.
struct OtherProgram {
    Connection connection;
    DraftModel model;

    OtherProgram(const std::string& file, int draftId) {
        EXPECT_TRUE(openConnection(connection, file, Log()));
        readSettings(readDraftSettings(connection, draftId, true), model);
    }
};

TEST(TurnWriters, TwoConnectionsTakingTheLastTurnAtOnceRecordOnePick) {
    LastTurn draft;
    OtherProgram first(draft.state.connectionString, draft.draftId);
    OtherProgram second(draft.state.connectionString, draft.draftId);
    ASSERT_EQ(first.model.turnNumber(), 52);

    std::latch start(2);
    std::array<std::optional<Outcome<PickRecorded>>, 2> outcomes;
    const auto take = [&](OtherProgram& program, int playerid, std::size_t slot) {
        start.arrive_and_wait();
        outcomes[slot] =
            writePick(program.connection, program.model,
                      PickRequest{playerid, draft.teamAt(4), "R", 0.0, std::nullopt, 52});
    };
    std::thread one(take, std::ref(first), 52, 0);
    std::thread two(take, std::ref(second), 53, 1);
    one.join();
    two.join();

    ASSERT_TRUE(outcomes[0] && outcomes[1]);
    const bool firstWon = outcomes[0]->ok();
    ASSERT_NE(firstWon, outcomes[1]->ok()) << "exactly one of the two records the pick";
    const Outcome<PickRecorded>& won = *outcomes[firstWon ? 0 : 1];
    const Outcome<PickRecorded>& lost = *outcomes[firstWon ? 1 : 0];
    EXPECT_EQ(won->pickNumber, 52);
    EXPECT_EQ(lost.failure().kind, WriteFailure::Kind::Refused);
    EXPECT_EQ(lost.failure().message.title, "Turn Moved");
    EXPECT_EQ(draft.picks(), 52);
    // The loser's model holds the file's picks now, with nobody on the clock.
    const DraftModel& loser = firstWon ? second.model : first.model;
    EXPECT_EQ(loser.picks.size(), 52U);
    EXPECT_EQ(loser.turnNumber(), 53);
}

TEST(TurnWriters, AQuestionNobodyAgreedToStoresNothingAndLeavesTheModelAsTheFileHoldsIt) {
    LastTurn draft;
    OtherProgram program(draft.state.connectionString, draft.draftId);
    // Position 4 holds both C slots already.
    const Outcome<PickRecorded> asked = writePick(
        program.connection, program.model, PickRequest{55, draft.teamAt(4), "C", 0.0, {}, {}});
    ASSERT_FALSE(asked.ok());
    EXPECT_EQ(asked.failure().kind, WriteFailure::Kind::Unanswered);
    EXPECT_EQ(asked.failure().question.text.substr(0, 33), "A C roster spot is not available ");
    EXPECT_EQ(draft.picks(), 51);
    EXPECT_EQ(program.model.turnNumber(), 52);

    // Agreed to, the same pick goes, and the turn moves past the end.
    const Outcome<PickRecorded> agreed = writePick(
        program.connection, program.model, PickRequest{55, draft.teamAt(4), "C", 0.0, {}, {}},
        Consent{{asked.failure().question}});
    ASSERT_TRUE(agreed.ok());
    EXPECT_EQ(agreed->pickNumber, 52);
    EXPECT_EQ(program.model.turnNumber(), 53);
    EXPECT_EQ(draft.picks(), 52);
}

// Turn 4 of a four-team snake is position 4's, which picks again at turn 5; a skip there hands
// the turn to the same team in the other direction, and its undo gives turn 4 back.
TEST(TurnWriters, SkipAndUndoAtASnakeTurn) {
    RoomFixture room(4, kDraftTypeSnake);
    for (int id = 1; id <= 3; ++id) {
        room.addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
    }
    room.reload();
    OtherProgram program(room.state.connectionString, room.draftId);
    for (int id = 1; id <= 3; ++id) {
        ASSERT_TRUE(writePick(program.connection, program.model,
                              PickRequest{id, room.teamAt(id), "UT", 0.0, id, {}})
                        .ok());
    }
    EXPECT_FALSE(
        writeSkip(program.connection, program.model, SkipRequest{3}).ok());  // turn 4 is on

    const Outcome<TurnChanged> skipped =
        writeSkip(program.connection, program.model, SkipRequest{4});
    ASSERT_TRUE(skipped.ok() && skipped->entry);
    EXPECT_EQ(skipped->entry->turn, 4);
    EXPECT_EQ(skipped->entry->teamid, room.teamAt(4));
    EXPECT_EQ(program.model.turnNumber(), 5);
    EXPECT_EQ(room.storedTurn(), "4D");

    const Outcome<TurnChanged> undone = writeUndo(program.connection, program.model);
    ASSERT_TRUE(undone.ok() && undone->entry);
    EXPECT_EQ(undone->entry->kind, HistoryKind::Skip);
    EXPECT_EQ(program.model.turnNumber(), 4);
    EXPECT_EQ(room.storedTurn(), "4U");

    const Outcome<TurnChanged> pickUndone = writeUndo(program.connection, program.model);
    ASSERT_TRUE(pickUndone.ok() && pickUndone->entry);
    EXPECT_EQ(pickUndone->entry->playerid, 3);
    EXPECT_EQ(program.model.picks.size(), 2U);
    EXPECT_EQ(room.storedTurn(), "3U");
    EXPECT_EQ(room.picks(), 2);
}

// Each program read the draft before the other kept or removed anyone: under the lock each
// decides over the file, so a player is kept once and taken off once.
TEST(KeeperWriters, DecideAgainOverWhatAnotherConnectionKeptOrRemoved) {
    RoomFixture room(4, kDraftTypeAuction);
    for (int id = 1; id <= 3; ++id) {
        room.addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
    }
    room.reload();
    OtherProgram first(room.state.connectionString, room.draftId);
    OtherProgram second(room.state.connectionString, room.draftId);

    const Outcome<KeeperAdded> kept =
        writeKeeper(first.connection, first.model, KeeperRequest{1, room.teamAt(1), "C", 12.5});
    ASSERT_TRUE(kept.ok());
    EXPECT_DOUBLE_EQ(kept->price, 12.5);

    const Outcome<KeeperAdded> again =
        writeKeeper(second.connection, second.model, KeeperRequest{1, room.teamAt(2), "G", 3.0});
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.failure().kind, WriteFailure::Kind::Refused);
    EXPECT_EQ(again.failure().message.title, "Player Already Selected");
    EXPECT_EQ(room.picks(), 1);
    // The refusing program now holds the keeper as the file does; no turn was used.
    ASSERT_EQ(second.model.picks.size(), 1U);
    EXPECT_EQ(second.model.picks[0].teamid, room.teamAt(1));
    EXPECT_EQ(second.model.turnNumber(), 1);

    const Outcome<KeeperRemoved> removed =
        writeKeeperRemoval(second.connection, second.model, KeeperRemovalRequest{1});
    ASSERT_TRUE(removed.ok());
    EXPECT_TRUE(removed->removed);
    EXPECT_TRUE(second.model.picks.empty());
    const Outcome<KeeperRemoved> stale =
        writeKeeperRemoval(first.connection, first.model, KeeperRemovalRequest{1});
    ASSERT_TRUE(stale.ok());
    EXPECT_FALSE(stale->removed);
    EXPECT_TRUE(stale->outsideChange);
    EXPECT_TRUE(first.model.picks.empty());
    // The keeper's entry was taken back with him: nothing is left to undo.
    const Outcome<TurnChanged> undone = writeUndo(first.connection, first.model);
    ASSERT_TRUE(undone.ok());
    EXPECT_FALSE(undone->entry);
}

// The mover read the draft before the other program filled Owner 1's two C slots: under the
// lock the slot question comes up although his model had the slots free.
TEST(MoveWriters, AskWhatTheFileCallsForUnderTheLockAndDropWhatAnotherProgramMoved) {
    RoomFixture room(4, kDraftTypeSnake);
    for (int id = 1; id <= 3; ++id) {
        room.addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
    }
    room.reload();
    OtherProgram first(room.state.connectionString, room.draftId);
    ASSERT_TRUE(writeKeeper(first.connection, first.model, {3, room.teamAt(2), "R", 0.0}).ok());
    OtherProgram mover(room.state.connectionString, room.draftId);
    ASSERT_TRUE(writeKeeper(first.connection, first.model, {1, room.teamAt(1), "C", 0.0}).ok());
    ASSERT_TRUE(writeKeeper(first.connection, first.model, {2, room.teamAt(1), "C", 0.0}).ok());

    const MoveRequest toC{3, room.teamAt(1), "C", 0.0};
    const Outcome<PlayerMoved> asked = writeMove(mover.connection, mover.model, toC);
    ASSERT_FALSE(asked.ok());
    EXPECT_EQ(asked.failure().kind, WriteFailure::Kind::Unanswered);
    EXPECT_EQ(static_cast<int>(room.scalar("select teamid from DraftTaken where playerid = 3")),
              room.teamAt(2));

    const Outcome<PlayerMoved> moved =
        writeMove(mover.connection, mover.model, toC, Consent{{asked.failure().question}});
    ASSERT_TRUE(moved.ok());
    EXPECT_TRUE(moved->moved);
    EXPECT_EQ(static_cast<int>(room.scalar("select teamid from DraftTaken where playerid = 3")),
              room.teamAt(1));

    // The first program still has him on Owner 2: its drop there finds nobody, and on Owner 1
    // takes his keeper entry back.
    const Outcome<PlayerDropped> missed =
        writeDrop(first.connection, first.model, {3, room.teamAt(2)});
    ASSERT_TRUE(missed.ok());
    EXPECT_FALSE(missed->dropped);
    const Outcome<PlayerDropped> dropped =
        writeDrop(first.connection, first.model, {3, room.teamAt(1)});
    ASSERT_TRUE(dropped.ok() && dropped->entry);
    EXPECT_EQ(dropped->entry->kind, HistoryKind::Keeper);
    EXPECT_EQ(room.picks(), 2);
    EXPECT_EQ(first.model.picks.size(), 2U);
}

// Two programs add the same name at once: the second counts the first one's rows under its lock.
// Neither holds a draft, so their empty models stay empty.
TEST(CustomPlayerWriter, ANameAddedMeanwhileIsRefusedAndIdsFollowTheHighest) {
    RoomFixture room(4, kDraftTypeSnake);
    OtherProgram first(room.state.connectionString, room.draftId);
    OtherProgram second(room.state.connectionString, room.draftId);
    DraftModel none;
    const Outcome<PlayerAdded> added =
        writeAddedPlayer(first.connection, none, {{"Ann", "Lee", "SG", "NYK"}, 2019});
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added->playerid, 20000);
    EXPECT_EQ(room.scalar("select count(*) from draftPlayers where playerid = 20000"), 2.0);

    const Outcome<PlayerAdded> again =
        writeAddedPlayer(second.connection, none, {{"Ann", "Lee", "C", "BOS"}, 2019});
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.failure().message.title, "Player Exists");
    const Outcome<PlayerAdded> next =
        writeAddedPlayer(second.connection, none, {{"Bo", "Lee", "C", "BOS"}, 2019});
    ASSERT_TRUE(next.ok());
    EXPECT_EQ(next->playerid, 20001);
    EXPECT_TRUE(none.players.empty() && none.otherSeasons.empty());
}

}  // namespace
}  // namespace quorvane::test
