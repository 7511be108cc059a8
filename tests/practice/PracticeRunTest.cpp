// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "draftconfig/DraftList.h"
#include "model/DraftLoader.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeRun.h"
#include "projections/ProjectionImport.h"
#include "room/PlayerLists.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/SlotChoice.h"
#include "room/Turns.h"
#include "session/DraftConversation.h"
#include "session/PracticeConversation.h"
#include "session/ProjectionConversation.h"
#include "session/RoomRefresh.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

// A practice of a three-team snake on the sample, the user at draft position 3 (turns 3, 4, 9,
// 10, ...), open in the bots' program state; `window` is the user's window on the same file.
class PracticeBotsAndTheWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const int real = program.newDraft("Snake League", 3, false, true);
        ASSERT_TRUE(
            importProjectionFile(program.state, program.dialogs,
                                 std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv")
                .has_value());
        program.exec("update DraftTeams set owner = (draftposition = 3) where template_id = " +
                     std::to_string(real));
        ASSERT_TRUE(loadDraft(program.state, real));
        const Outcome<int> made = createPractice(program.state, {real, "Drill", 7, false});
        ASSERT_TRUE(made.ok());
        practice = *made;
        ASSERT_TRUE(openSelectedDraft(program.state, program.dialogs, practice));
        ASSERT_TRUE(test::openFolder(window, windowDialogs, program.folder.str()));
        ASSERT_TRUE(loadDraft(window, practice));
    }

    // The team at a draft position of the practice.
    int teamAt(int position) {
        return static_cast<int>(program.scalar(
            "select teamid from DraftTeams where template_id = " + std::to_string(practice) +
            " and draftposition = " + std::to_string(position)));
    }
    int teamOfTurn(int turn) {
        return static_cast<int>(program.scalar(
            "select teamid from DraftTaken where template_id = " + std::to_string(practice) +
            " and draftorder = " + std::to_string(turn)));
    }
    double picksStored() {
        return program.scalar("select count(*) from DraftTaken where template_id = " +
                              std::to_string(practice));
    }

    // What the user's pick window does: the team on the clock takes the first player of the
    // list, in the slot it offers.
    void pickInTheWindow() {
        ASSERT_TRUE(loadDraft(window, practice));
        const auto players = fillAvailablePlayers(window, listShowing(window), "All Players", 0);
        ASSERT_TRUE(players && !players->rows.empty());
        const int playerid = std::stoi(players->rows.front().front());
        const PickForm form{teamOnTheClock(*window.loadedDraft),
                            fillPosition(window, playerid).selectedText(), ""};
        ASSERT_EQ(recordPick(window, windowDialogs, playerid, form).outcome, PickOutcome::Recorded)
            << windowDialogs.lastText();
    }

    test::TestProgram program;
    ProgramState window;
    test::FakeDialogs windowDialogs;
    int practice = 0;
};

// Turn 1 is the bots' (position 1). While they wait to make turn 2, the user records it by hand
// for position 2, the team on the clock: turn 3 is then his own, so the bots stop instead of
// picking for position 2 a second time in his place.
TEST_F(PracticeBotsAndTheWindow, APickRecordedByHandIsSeenBeforeTheirNextPick) {
    int told = 0;
    const auto picked = [&](const PracticePick&) {
        if (++told == 1) {
            pickInTheWindow();
        }
    };
    const PracticeRunResult result =
        runPracticeTold(program.state, program.dialogs, {}, nullptr, picked);
    EXPECT_EQ(result.stop, PracticeStop::UsersTurn);
    ASSERT_EQ(result.picks.size(), 1U);
    EXPECT_EQ(picksStored(), 2.0);
    EXPECT_EQ(teamOfTurn(1), teamAt(1));
    EXPECT_EQ(teamOfTurn(2), teamAt(2));
    EXPECT_TRUE(program.dialogs.messages.empty()) << program.dialogs.lastText();
}

// The user takes back the bots' first pick: turn 1 is theirs again and the player is back in
// the pool, so their next two picks are turns 1 and 2, by positions 1 and 2, and the first goes
// to the same player as before (the same seed orders the pool the same way).
TEST_F(PracticeBotsAndTheWindow, AnUndoByHandIsSeenBeforeTheirNextPick) {
    int told = 0;
    const auto picked = [&](const PracticePick&) {
        if (++told == 1) {
            ASSERT_TRUE(loadDraft(window, practice));
            ASSERT_TRUE(undoLastPick(window, windowDialogs).has_value());
        }
    };
    const PracticeRunResult result =
        runPracticeTold(program.state, program.dialogs, {}, nullptr, picked);
    EXPECT_EQ(result.stop, PracticeStop::UsersTurn);
    ASSERT_EQ(result.picks.size(), 3U);
    EXPECT_EQ(result.picks[1].pickNumber, 1);
    EXPECT_EQ(result.picks[1].playerid, result.picks[0].playerid);
    EXPECT_EQ(result.picks[2].pickNumber, 2);
    EXPECT_EQ(picksStored(), 2.0);
    EXPECT_EQ(teamOfTurn(1), teamAt(1));
    EXPECT_EQ(teamOfTurn(2), teamAt(2));
    EXPECT_TRUE(program.dialogs.messages.empty()) << program.dialogs.lastText();
}

// The bots run to the end while the user's window records a pick for the team on the clock
// after every fourth of their first twelve, in the slot the window preselects: three teams of 13
// slots make 39 picks, each team's roster is legal, no pick is numbered past turn 39 and no turn
// was skipped.
TEST_F(PracticeBotsAndTheWindow, ARunToTheEndBesideTheWindowsPicksKeepsTheDraftLegal) {
    int told = 0;
    const auto picked = [&](const PracticePick&) {
        if (++told % 4 != 0 || told > 12) {
            return;
        }
        ASSERT_TRUE(loadDraft(window, practice));
        const auto players = fillAvailablePlayers(window, listShowing(window), "All Players", 0);
        ASSERT_TRUE(players && !players->rows.empty());
        const int playerid = std::stoi(players->rows.front().front());
        const int team = teamOnTheClock(*window.loadedDraft);
        const auto slot = preselectSlot(window, playerid, team);
        ASSERT_TRUE(slot.has_value());
        EXPECT_EQ(
            recordPick(window, windowDialogs, playerid, {team, slot->selectedText(), ""}).outcome,
            PickOutcome::Recorded)
            << windowDialogs.lastText();
    };
    PracticeRunOptions options;
    options.toEnd = true;
    const PracticeRunResult result =
        runPracticeTold(program.state, program.dialogs, options, nullptr, picked);
    EXPECT_EQ(result.stop, PracticeStop::DraftOver) << program.dialogs.lastText();
    const std::string draft = std::to_string(practice);
    EXPECT_EQ(picksStored(), 39.0);
    EXPECT_EQ(program.scalar("select max(draftorder) from DraftTaken where template_id = " + draft),
              39.0);
    EXPECT_EQ(program.scalar("select count(distinct draftorder) from DraftTaken where "
                             "template_id = " +
                             draft),
              39.0);
    for (int position = 1; position <= 3; ++position) {
        EXPECT_EQ(program.scalar("select count(*) from DraftTaken where teamid = " +
                                 std::to_string(teamAt(position))),
                  13.0)
            << position;
    }
    // No team holds more of a slot than the draft has of it.
    EXPECT_EQ(program.scalar("select count(*) from (select t.teamid, upper(t.pos) as slot, "
                             "count(*) as held from DraftTaken t where t.template_id = " +
                             draft +
                             " group by t.teamid, upper(t.pos)) h join DraftRoster r on "
                             "r.template_id = " +
                             draft +
                             " where h.held > case h.slot when 'C' then r.C when 'G' then r.G "
                             "when 'PG' then r.PG when 'SG' then r.SG when 'F' then r.F when "
                             "'PF' then r.PF when 'SF' then r.SF when 'UT' then r.UT else r.R "
                             "end"),
              0.0);
    EXPECT_EQ(program.scalar("select count(*) from DraftHistory where kind = 'skip' and "
                             "template_id = " +
                             draft),
              0.0);
}

// The real draft the practice copies: the bots refuse it before its values are worked out (a
// valuation would write its stored figures) and before any pick, and the refusal comes back
// with its words for the front end to show. A second practice may not take the first's name.
TEST_F(PracticeBotsAndTheWindow, ARealDraftIsRefusedBeforeItIsValuedOrPicked) {
    const int real = static_cast<int>(
        program.scalar("select source_template_id from DraftPractice where template_id = " +
                       std::to_string(practice)));
    ASSERT_TRUE(loadDraft(program.state, real));
    bool valued = false;
    const PracticeRunResult result = runPractice(program.state, {}, [&valued] {
        valued = true;
        return true;
    });
    EXPECT_EQ(result.stop, PracticeStop::Failed);
    EXPECT_FALSE(valued);
    EXPECT_TRUE(result.picks.empty());
    ASSERT_TRUE(result.failure.has_value());
    EXPECT_EQ(result.failure->title, "Practice Draft");
    EXPECT_EQ(result.failure->text,
              "This draft is not a practice draft. Practice commands change only practice "
              "drafts, never a real one.");
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken where template_id = " +
                             std::to_string(real)),
              0.0);

    const Outcome<int> again = createPractice(program.state, {real, "drill ", 8, false});
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.failure().kind, WriteFailure::Kind::Refused);
    EXPECT_EQ(again.failure().message.title, "Invalid Draft Name");
    EXPECT_EQ(again.failure().message.text, "A draft with that name already exists");
}

// The name checks need no file; trailing blanks do not count and a blank name is made later.
TEST(PracticeCopyDecision, RefusesANameThatCannotBeStoredAndLetsABlankOneGo) {
    const auto named = [](std::string name) {
        PracticeChoice choice;
        choice.sourceId = 4;
        choice.name = std::move(name);
        return decidePracticeCopy(choice);
    };
    const Decision control = named("Drill\x01 two");
    ASSERT_TRUE(control.refused());
    EXPECT_EQ(control.refusal->title, "Invalid Draft Name");
    EXPECT_EQ(control.refusal->text, "The draft name holds a control character");

    // 100 characters and a trailing blank fit; 101 do not.
    EXPECT_TRUE(named(std::string(100, 'e') + " ").goes());
    const Decision tooLong = named(std::string(101, 'e'));
    ASSERT_TRUE(tooLong.refused());
    EXPECT_EQ(tooLong.refusal->text, "The draft name is longer than 100 characters");

    EXPECT_TRUE(named("   ").goes());
}

}  // namespace
}  // namespace quorvane
