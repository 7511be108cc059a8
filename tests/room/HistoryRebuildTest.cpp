// SPDX-License-Identifier: MIT
// A draft whose turn history is missing or disagrees with its picks: an older file, another
// program writing with an older copy, the setup editor changing the order.
#include <gtest/gtest.h>

#include <algorithm>

#include "RoomFixture.h"
#include "draftconfig/DraftList.h"
#include "draftconfig/SetupForm.h"
#include "room/ClockBanner.h"
#include "room/DraftPicks.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/DraftConversation.h"
#include "session/SetupConversation.h"
#include "session/TurnConversation.h"
#include "session/TurnNews.h"
#include "store/RowReader.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane::test {
namespace {

const std::string kDot = " \u00b7 ";
const std::string kDash = " \u2014 ";

struct FourTeamSnake : RoomFixture {
    FourTeamSnake() : RoomFixture(4, kDraftTypeSnake) {
        setRoster(0, 0, 0, 0, 0, 0, 0, 0, 10);
        for (int i = 1; i <= 8; ++i) {
            addPlayer({.playerid = i, .firstname = "Ann" + std::to_string(i), .lastname = "Lee"});
        }
    }
    void pick(int playerid) {
        PickForm form{teamOnTheClock(*state.loadedDraft), "R", ""};
        ASSERT_EQ(recordPick(state, dialogs, playerid, form).outcome, PickOutcome::Recorded);
    }
    // What an older copy of the program writes: a row of DraftTaken, no history.
    void insertTaken(int playerid, int position, int draftorder) {
        exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
            "values (" +
            std::to_string(draftId) + ", " + std::to_string(playerid) + ", " +
            std::to_string(teamAt(position)) + ", 'R', " + std::to_string(draftorder) + ", 0)");
    }
    void markTurn(int position, const std::string& direction) {
        exec("update DraftTeams set currentpick = iif(draftposition = " + std::to_string(position) +
             ", 1, 0)");
        exec("update DraftTemplate set draftdirection = '" + direction + "'");
    }
};

// Kind and turn of each entry of a stored history (the player for keepers, the team's position
// after a slash).
std::string historyText(ProgramState& state, int draftId) {
    std::string text;
    const auto history = readTurnHistory(state.dbConnection, draftId);
    for (const HistoryEntry& entry : history.value_or(std::vector<HistoryEntry>{})) {
        int position = 0;
        for (const DraftTeam& team : state.draftSettings()->draftTeams) {
            position = team.teamid == entry.teamid ? team.draftposition : position;
        }
        text += (text.empty() ? "" : " ") + std::string(historyKindText(entry.kind)) +
                std::to_string(entry.kind == HistoryKind::Keeper ? entry.playerid : entry.turn) +
                "/" + std::to_string(position);
    }
    return text;
}

TEST(HistoryRebuild, ADraftFileWithoutHistoryGetsOneFromItsPicksOnOpening) {
    FourTeamSnake old;
    // A keeper of position 3, picks #1, #2 and #4 (#3 was skipped), and position 3 on the clock
    // in the second round, which runs 4, 3, 2, 1: #5 was skipped too.
    old.insertTaken(6, 3, 0);
    old.insertTaken(1, 1, 1);
    old.insertTaken(2, 2, 2);
    old.insertTaken(4, 4, 4);
    old.markTurn(3, "D");
    old.exec("drop table DraftHistory");
    old.exec("PRAGMA user_version = 6");  // the schema before the turn history
    closeConnection(old.state.dbConnection);

    ProgramState state;
    FakeDialogs dialogs;
    ASSERT_TRUE(openFolder(state, dialogs, old.folder.str()));
    ASSERT_TRUE(openSelectedDraft(state, dialogs, old.draftId));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.lastText();
    EXPECT_EQ(historyText(state, old.draftId), "keeper6/3 pick1/1 pick2/2 skip3/3 pick4/4 skip5/4");
    EXPECT_EQ(state.draftSettings()->turnNumber, 6);
    // Position 1 is the user's: #7 is position 2's, #8 its own.
    EXPECT_EQ(
        clockBanner(*state.loadedDraft, *readDraftPicks(state)),
        "Round 2" + kDot + "Pick 2 (#6)" + kDash + "Owner 3 on the clock" + kDot + "you pick in 2");
    closeConnection(state.dbConnection);

    // Opened again, the draft is only read.
    ProgramState again;
    ASSERT_TRUE(openFolder(again, dialogs, old.folder.str()));
    ASSERT_TRUE(openSelectedDraft(again, dialogs, old.draftId));
    EXPECT_EQ(readScalar<std::int64_t>(again.dbConnection, "select total_changes() as n"), 0);
}

TEST(HistoryRebuild, PicksAndSkipsOfAnOlderCopyAreTakenIntoTheHistory) {
    FourTeamSnake draft;
    draft.pick(1);
    // An older copy skips position 2: only the turn flags move.
    draft.markTurn(3, "U");
    EXPECT_EQ(skipTurnTold(draft.state, draft.dialogs)->news,
              "Skipped #3 Owner 3: Owner 4 on the clock");
    EXPECT_EQ(historyText(draft.state, draft.draftId), "pick1/1 skip2/2 skip3/3");

    // The older copy numbers its pick by the highest number so far (2, not the turn #4), gives
    // it to position 4 and the turn to position 4 again, running down. Its number stands; the
    // turns after it up to position 4's next one (#5) are skips.
    draft.insertTaken(2, 4, 2);
    draft.markTurn(4, "D");
    draft.pick(3);
    EXPECT_EQ(draft.scalar("select draftorder from DraftTaken where playerid = 3"), 5);
    EXPECT_EQ(historyText(draft.state, draft.draftId), "pick1/1 pick2/4 skip3/3 skip4/4 pick5/4");
    EXPECT_EQ(draft.storedTurn(), "3D");
    const auto lines = draft.logLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("rebuilt from its picks") != std::string::npos;
    }));
}

TEST(SetupChanges, KeepTheTurnOnTheClockForTheTeamTheNewOrderGivesIt) {
    FourTeamSnake draft;
    draft.pick(1);
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    // #3 is position 3's; Owner 1 and Owner 3 change places.
    SetupForm form = fillSetup(*draft.state.draftSettings());
    form.teamRows[0].order = "3";
    form.teamRows[2].order = "1";
    ASSERT_TRUE(saveSetup(draft.state, draft.dialogs, form).saved) << draft.dialogs.lastText();
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 3);
    EXPECT_EQ(teamOnTheClock(*draft.state.loadedDraft),
              draft.scalar("select teamid from DraftTeams where teamname = 'Owner 1'"));
    EXPECT_EQ(
        clockBanner(*draft.state.loadedDraft, *readDraftPicks(draft.state)),
        "Round 1" + kDot + "Pick 3 (#3)" + kDash + "Owner 1 on the clock" + kDot + "your pick");
}

TEST(SetupChanges, WithoutPlayersStartTheDraftAgainAtTheFirstTurnRunningUp) {
    FourTeamSnake draft;
    for (int turn = 1; turn <= 5; ++turn) {
        ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    }
    EXPECT_EQ(draft.storedTurn(), "3D");  // #6: round 2 runs 4, 3, 2, 1
    SetupForm form = fillSetup(*draft.state.draftSettings());
    ASSERT_TRUE(saveSetup(draft.state, draft.dialogs, form).saved) << draft.dialogs.lastText();
    EXPECT_EQ(draft.storedTurn(), "1U");
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 1);
    EXPECT_EQ(draft.scalar("select count(*) from DraftHistory"), 0);
}

TEST(HistoryFailures, AHistoryThatCannotBeWrittenLeavesTurnAndPicksAsTheyWere) {
    FourTeamSnake draft;
    draft.exec(
        "create trigger refuse before insert on DraftHistory begin select raise(abort, "
        "'refused'); end");
    EXPECT_FALSE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "1U");
    EXPECT_EQ(draft.memoryTurn(), "1U");
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 1);
    ASSERT_FALSE(draft.dialogs.messages.empty());
    EXPECT_EQ(draft.dialogs.messages.back().title, "Database Error");
    EXPECT_NE(
        draft.logLines().back().find(" 60009 error: could not write the draft's turn history"),
        std::string::npos);

    const PickForm form{draft.teamAt(1), "R", ""};
    EXPECT_EQ(recordPick(draft.state, draft.dialogs, 1, form).outcome, PickOutcome::Failed);
    EXPECT_EQ(draft.picks(), 0);
    EXPECT_EQ(draft.storedTurn(), "1U");
}

}  // namespace
}  // namespace quorvane::test
