// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomJson.h"
#include "SleeperFixture.h"
#include "model/DraftLoader.h"
#include "online/FollowDraft.h"
#include "online/FollowStore.h"
#include "online/SleeperRoom.h"
#include "platform/CurlTransfer.h"
#include "platform/DataFolder.h"
#include "room/DraftPicks.h"
#include "room/Turns.h"
#include "session/DataStore.h"
#include "session/FollowConversation.h"
#include "session/LiveRoom.h"
#include "session/OutsideChanges.h"
#include "store/TurnHistoryRepository.h"

namespace quorvane::test {
namespace {

// Four rosters; the room's slot 1 is roster 3, slot 2 roster 1, slot 3 roster 4, slot 4
// roster 2, so by default roster 3 is Owner 1, roster 1 Owner 2, roster 4 Owner 3 and roster 2
// Owner 4. Round 3 repeats round 2's direction: 1-4, 4-1, 4-1, 1-4.
constexpr const char* kSnakeSlots = R"({"1":3,"2":1,"3":4,"4":2})";

const RoomPickJson kJokic{1, 1, 1, 3, "2101", "Nikola", "Jokic", "DEN", "C"};
const RoomPickJson kHarden{2, 1, 2, 1, "2102", "James", "Harden", "HOU", "PG"};
const RoomPickJson kDurant{3, 1, 3, 4, "2103", "Kevin", "Durant", "GSW", "SF"};
const RoomPickJson kDavis{4, 1, 4, 2, "2104", "Anthony", "Davis", "NOP", "PF-C"};
const RoomPickJson kLillard{5, 2, 4, 2, "2105", "Damian", "Lillard", "POR", "PG"};
// Slot 3's pick in round 2 was traded to roster 1.
const RoomPickJson kTowns{6, 2, 3, 1, "2106", "Karl-Anthony", "Towns", "MIN", "C"};
const RoomPickJson kSiakam{7, 2, 2, 1, "2107", "Pascal", "Siakam", "TOR", "PF"};
const RoomPickJson kBeal{8, 2, 1, 3, "2108", "Bradley", "Beal", "WAS", "SG"};
// Round 3 starts again at slot 4.
const RoomPickJson kValanciunas{9, 3, 4, 2, "2109", "Jonas", "Valanciunas", "MEM", "C"};

std::string snake(const std::string& status, long long lastPicked) {
    return roomDraftJson("snake", status, 4, 4, 3, kSnakeSlots, lastPicked);
}

struct SnakeRoom : FollowProgram {
    SnakeRoom()
        : FollowProgram(4, kDraftTypeSnake),
          fixture(
              {{snake("pre_draft", 0), "[]"},
               {snake("drafting", 1000),
                roomPicksJson({kJokic, kHarden, kDurant, kDavis, kLillard})},
               {snake("drafting", 2000), roomPicksJson({kJokic, kHarden, kDurant, kDavis, kLillard,
                                                        kTowns, kSiakam, kBeal, kValanciunas})},
               {snake("drafting", 3000), roomPicksJson({kJokic, kHarden, kDurant, kDavis, kLillard,
                                                        kTowns, kSiakam, kBeal})},
               {snake("drafting", 4000), roomPicksJson({kJokic, kHarden, kDurant, kDavis, kTowns,
                                                        kSiakam, kBeal, kValanciunas})}}),
          room(transfer, "2001", fixture.baseUrl()) {}

    FollowSync follow() { return followDraft(state, dialogs, room); }
    std::string banner() {
        return liveBanner(state, readDraftPicks(state).value_or(std::vector<DraftPick>{}));
    }

    SleeperFixture fixture;
    CurlTransfer transfer{trustedCertificate().certFile};
    SleeperRoom room;
};

TEST(FollowSnake, PicksLandOnTheMappedTeamsInRoomOrderWithTheReversalAndTradedPick) {
    SnakeRoom draft;
    ASSERT_TRUE(draft.fixture.started());

    FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced);
    EXPECT_TRUE(draft.picks().empty());
    EXPECT_EQ(draft.banner(),
              "Round 1 \u00b7 Pick 1 (#1) \u2014 Owner 1 on the clock \u00b7 your pick \u00b7 "
              "following Sleeper draft 2001");

    draft.fixture.next();
    sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced);
    ASSERT_EQ(sync.recorded.size(), 5u);
    EXPECT_EQ(sync.recorded[0].line,
              "Pick 1 \u00b7 Nikola Jokic to Owner 1 (C)");  // the room's spelling
    EXPECT_EQ(draft.picks(),
              (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G", "3:3769>Owner 3/F",
                                        "4:4065>Owner 4/C", "5:4076>Owner 4/G"}));
    // Pick 6 is slot 3's (round 2 runs 4-1); Owner 1 picks at 8: two turns away.
    EXPECT_EQ(draft.banner(),
              "Round 2 \u00b7 Pick 2 (#6) \u2014 Owner 3 on the clock \u00b7 you pick in 2 "
              "\u00b7 following Sleeper draft 2001");

    draft.fixture.next();
    sync = draft.follow();
    ASSERT_EQ(sync.recorded.size(), 4u);
    EXPECT_EQ(draft.picks(),
              (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G", "3:3769>Owner 3/F",
                                        "4:4065>Owner 4/C", "5:4076>Owner 4/G",
                                        // the traded pick goes to roster 1's team, Owner 2
                                        "6:4338>Owner 2/C", "7:4436>Owner 2/F", "8:4071>Owner 1/G",
                                        // round 3 starts at slot 4 again; C and G are full
                                        "9:4099>Owner 4/UT"}));
    // Pick 10 is slot 3 (round 3 runs 4-1 like round 2), then 11 slot 2, 12 slot 1.
    EXPECT_EQ(draft.banner(),
              "Round 3 \u00b7 Pick 2 (#10) \u2014 Owner 3 on the clock \u00b7 you pick in 2 "
              "\u00b7 following Sleeper draft 2001");
    EXPECT_EQ(currentTurn(*draft.state.loadedDraft).position, 3);
    EXPECT_EQ(currentTurn(*draft.state.loadedDraft).direction, "D");

    // The same state served again records nothing twice.
    sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_TRUE(sync.recorded.empty());
    EXPECT_EQ(draft.picks().size(), 9u);
    EXPECT_EQ(draft.fixture.unchangedAnswers(), 1);
    EXPECT_TRUE(draft.dialogs.questions.empty());
}

TEST(FollowSnake, APickUndoneInTheRoomIsUndoneWhenLastAndOtherwiseReportedOnce) {
    SnakeRoom draft;
    for (int moment = 0; moment < 3; ++moment) {
        draft.follow();
        draft.fixture.next();
    }
    ASSERT_EQ(draft.picks().size(), 9u);

    // Pick 9 went back in the room: it is our last, so it goes here too.
    FollowSync sync = draft.follow();
    ASSERT_EQ(sync.undone.size(), 1u);
    EXPECT_EQ(sync.undone[0].playerid, 4099);
    EXPECT_EQ(draft.picks().size(), 8u);
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where playerid = 4099"), 0);
    // Through the turn history, as an undo of the user's would: the pick stays on record.
    const auto history = readTurnHistory(draft.state.dbConnection, draft.draftId);
    ASSERT_TRUE(history && !history->empty());
    EXPECT_EQ(history->back().kind, HistoryKind::Undo);
    EXPECT_EQ(history->back().turn, 9);
    EXPECT_EQ(history->back().playerid, 4099);
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 9);
    EXPECT_EQ(draft.banner(),
              "Round 3 \u00b7 Pick 1 (#9) \u2014 Owner 4 on the clock \u00b7 you pick in 3 "
              "\u00b7 following Sleeper draft 2001");

    // Now pick 5 went back and pick 9 was made again: 5 has picks after it and stays, once said.
    draft.fixture.next();
    sync = draft.follow();
    EXPECT_TRUE(sync.undone.empty());
    ASSERT_EQ(sync.reports.size(), 1u);
    EXPECT_EQ(sync.reports[0].rfind("Pick 5 was undone in the room", 0), 0u);
    ASSERT_EQ(sync.recorded.size(), 1u);
    EXPECT_EQ(sync.recorded[0].playerid, 4099);
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where playerid = 4076"), 1);
    sync = draft.follow();
    EXPECT_TRUE(sync.reports.empty());
    EXPECT_TRUE(sync.recorded.empty());
}

TEST(FollowSnake, SavedMappingLinesReplaceTheDefaultForThatRosterOnly) {
    SnakeRoom draft;
    // Roster 3 (slot 1) is Owner 4 here, and roster 2 is Owner 1.
    ASSERT_TRUE(saveRosterMapping(draft.state, *draft.state.loadedDraft,
                                  {{3, draft.teamAt(4)}, {2, draft.teamAt(1)}}));
    draft.fixture.next();
    draft.follow();
    EXPECT_EQ(draft.picks(),
              (std::vector<std::string>{"1:4351>Owner 4/C", "2:3879>Owner 2/G", "3:3769>Owner 3/F",
                                        "4:4065>Owner 1/C", "5:4076>Owner 1/G"}));
}

struct OneMomentRoom : FollowProgram {
    explicit OneMomentRoom(const std::vector<RoomPickJson>& picks)
        : FollowProgram(4, kDraftTypeSnake),
          fixture({{snake("drafting", 1000), roomPicksJson(picks)}}),
          room(transfer, "2001", fixture.baseUrl()) {}
    FollowSync follow() { return followDraft(state, dialogs, room); }

    SleeperFixture fixture;
    CurlTransfer transfer{trustedCertificate().certFile};
    SleeperRoom room;
};

TEST(FollowSnake, AKeeperAheadOfItsPickLeavesTheFirstPickOnTheClock) {
    // Owner 1 (slot 1, roster 3) keeps Bradley Beal at pick 8; picks 1 to 7 are still open.
    const RoomPickJson bealKept{8, 2, 1, 3, "2108", "Bradley", "Beal", "WAS", "SG", true};
    OneMomentRoom draft({bealKept});
    const FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"K:4071>Owner 1/G"}));
    EXPECT_EQ(sync.clock.pickNo, 1);
    EXPECT_EQ(sync.clock.teamid, draft.teamAt(1));
    EXPECT_EQ(
        liveBanner(draft.state, readDraftPicks(draft.state).value_or(std::vector<DraftPick>{})),
        "Round 1 \u00b7 Pick 1 (#1) \u2014 Owner 1 on the clock \u00b7 your pick \u00b7 "
        "following Sleeper draft 2001");
}

TEST(FollowSnake, APickTheRoomSpentOnAKeeperIsASkippedTurnHereSoNumbersMatchTheRoom) {
    // Roster 4 (Owner 3) keeps Kevin Durant with pick 3.
    const RoomPickJson durantKept{3, 1, 3, 4, "2103", "Kevin", "Durant", "GSW", "SF", true};
    OneMomentRoom draft({kJokic, kHarden, durantKept, kDavis});
    const FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"K:3769>Owner 3/F", "1:4351>Owner 1/C",
                                                       "2:3879>Owner 2/G", "4:4065>Owner 4/C"}));
    std::vector<HistoryKind> kinds;
    const auto history = readTurnHistory(draft.state.dbConnection, draft.draftId);
    for (const HistoryEntry& entry : history.value_or(std::vector<HistoryEntry>{})) {
        kinds.push_back(entry.kind);
    }
    EXPECT_EQ(kinds,
              (std::vector<HistoryKind>{HistoryKind::Pick, HistoryKind::Pick, HistoryKind::Keeper,
                                        HistoryKind::Skip, HistoryKind::Pick}));
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 5);
}

TEST(FollowUnmatched, ANameOfNobodyStopsThereUntilTheUserNamesThePlayer) {
    const RoomPickJson rookie{2, 1, 2, 1, "2199", "Zion", "Williamson", "NOP", "PF"};
    OneMomentRoom draft({kJokic, rookie, kDurant});
    FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::NeedsPlayer);
    ASSERT_TRUE(sync.unmatched);
    EXPECT_EQ(sync.unmatched->pick.pickNo, 2);
    EXPECT_TRUE(sync.unmatched->candidates.empty());
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"1:4351>Owner 1/C"}));

    ASSERT_TRUE(saveNamedPlayer(draft.state, *draft.state.loadedDraft, "2199",
                                4473));  // the user chose Ben Simmons
    sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:4473>Owner 2/G",
                                                       "3:3769>Owner 3/F"}));
}

TEST(FollowUnmatched, TwoPlayersOfOneNameTeamAndPositionAreNeverGuessed) {
    OneMomentRoom draft({kJokic, kHarden});
    draft.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, "
        "team, games, PG, SG, PF, SF, C) values (99001, 2019, 'James', 'Harden', 'G', "
        "'HOU', 10, 1, 1, 0, 0, 0)");
    const FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::NeedsPlayer);
    ASSERT_TRUE(sync.unmatched);
    EXPECT_EQ(sync.unmatched->candidates, (std::vector<int>{3879, 99001}));
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"1:4351>Owner 1/C"}));
}

TEST(FollowUnmatched, NamesakesOfOneTeamAreToldApartByThePositionTheRoomGives) {
    OneMomentRoom draft({kJokic, kHarden});
    draft.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, "
        "team, games, PG, SG, PF, SF, C) values (99001, 2019, 'James', 'Harden', 'C', "
        "'HOU', 10, 0, 0, 0, 0, 1)");
    // The room says PG: the guard, not the centre of the same name and team.
    const FollowSync sync = draft.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_FALSE(sync.unmatched);
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G"}));
}

// Three rosters, slot r is roster r. Owner 3's keeper Rudy Gobert costs pick 12 and stands on the
// board before the auction begins.
const RoomPickJson kGobertKept{12, 4, 3, 3, "2201", "Rudy", "Gobert", "UTA", "C", true, "15"};
const RoomPickJson kJokic57{1, 1, 1, 1, "2101", "Nikola", "Jokic", "DEN", "C", false, "57"};
const RoomPickJson kHarden41{2, 1, 2, 2, "2102", "James", "Harden", "HOU", "PG", false, "41"};
// Owner 1 then has 200 - 57 = 143 and two open slots: 143 leaves no dollar for the last one.
const RoomPickJson kDurant143{3, 1, 3, 1, "2103", "Kevin", "Durant", "GSW", "SF", false, "143"};

std::string auction(long long lastPicked, const std::string& metadata = "{}") {
    return roomDraftJson("auction", "drafting", 3, 4, 0, R"({"1":1,"2":2,"3":3})", lastPicked,
                         metadata);
}

TEST(FollowAuction, PricesAndAKeeperAheadOfItsPickAreRecordedAndAMoneyQuestionRecordsNothing) {
    FollowProgram draft(3, kDraftTypeAuction);
    SleeperFixture fixture(
        {{auction(500, R"({"nominated_player_id":"2101","highest_offer":"40"})"),
          roomPicksJson({kGobertKept})},
         {auction(1500), roomPicksJson({kJokic57, kHarden41, kGobertKept})},
         {auction(2500), roomPicksJson({kJokic57, kHarden41, kDurant143, kGobertKept})}});
    CurlTransfer transfer(trustedCertificate().certFile);
    SleeperRoom room(transfer, "2001", fixture.baseUrl());

    FollowSync sync = followDraft(draft.state, draft.dialogs, room);
    ASSERT_EQ(sync.recorded.size(), 1u);
    EXPECT_TRUE(sync.recorded[0].keeper);
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"K:4198>Owner 3/C $15"}));

    fixture.next();
    followDraft(draft.state, draft.dialogs, room);
    fixture.next();
    sync = followDraft(draft.state, draft.dialogs, room);
    // Nobody here can answer the money question the room's pick raises: the follow stops
    // naming the room, the pick and the question, and records nothing of that answer.
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
    EXPECT_TRUE(sync.recorded.empty());
    EXPECT_EQ(draft.picks(),
              (std::vector<std::string>{"K:4198>Owner 3/C $15", "1:4351>Owner 1/C $57",
                                        "2:3879>Owner 2/G $41"}));
    EXPECT_TRUE(draft.dialogs.questions.empty());
    EXPECT_EQ(draft.dialogs.lastText(),
              "Sleeper draft 2001: pick 3 (Kevin Durant) was not recorded here, and nothing of "
              "the room's answer was: this draft asks \"The selected team does not have enough "
              "money to buy this player.  Do you want to still add this player to the team?\", "
              "which only a person can answer");
}

TEST(FollowSnake, ADraftLinkedToAnotherRoomForgetsTheOldRoomsPicksButKeepsItsOwn) {
    SnakeRoom draft;
    draft.fixture.next();
    ASSERT_TRUE(saveRosterMapping(draft.state, *draft.state.loadedDraft, {{3, draft.teamAt(4)}}));
    draft.follow();
    ASSERT_EQ(draft.picks().size(), 5u);

    // Another Sleeper draft keeps the mapping (its rosters are the league's) but not the picks'
    // record, so a room without picks undoes nothing here.
    ASSERT_TRUE(linkRoom(draft.state, *draft.state.loadedDraft, {RoomKind::Sleeper, "2002", 0}));
    EXPECT_EQ(draft.scalar("select count(*) from DraftFollowPicks"), 0);
    EXPECT_EQ(draft.scalar("select count(*) from DraftFollowRosters"), 1);
    // Another kind of room numbers its teams otherwise: the mapping goes too.
    ASSERT_TRUE(markFollowing(draft.state, *draft.state.loadedDraft,
                              {RoomKind::Espn, "123456", 2019}, true));
    EXPECT_EQ(draft.scalar("select count(*) from DraftFollowRosters"), 0);
    EXPECT_EQ(draft.picks().size(), 5u);
    // Linking the room it is linked to changes nothing.
    ASSERT_TRUE(linkRoom(draft.state, *draft.state.loadedDraft, {RoomKind::Espn, "123456", 2019}));
    EXPECT_EQ(draft.scalar("select following from DraftFollow"), 1);
}

TEST(FollowBanner, AnotherProgramStartingToFollowChangesWhatTheOpenWindowShows) {
    FollowProgram window(4, kDraftTypeSnake);
    OutsideChangeWatch watch;
    EXPECT_FALSE(watch.look(window.state));

    // The follower in the background has a connection of its own.
    ProgramState follower;
    DataFolderCandidates candidates;
    candidates.overrideFolder = window.state.dataFolder;
    ASSERT_TRUE(openDataStore(follower, window.dialogs, candidates));
    ASSERT_TRUE(loadDraft(follower, window.draftId));
    ASSERT_TRUE(
        markFollowing(follower, *follower.loadedDraft, {RoomKind::Espn, "123456", 2019}, true));
    const auto change = watch.look(window.state);
    ASSERT_TRUE(change);
    EXPECT_TRUE(change->draft);
    EXPECT_EQ(readRoomClock(window.state, *window.state.loadedDraft)->link.title(),
              "ESPN league 123456");
}

}  // namespace
}  // namespace quorvane::test
