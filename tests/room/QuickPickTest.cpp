// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"
#include "room/SlotChoice.h"
#include "session/TurnConversation.h"
#include "session/TurnNews.h"

namespace quorvane::test {
namespace {

TEST(QuickPickNames, ReadAlikeWithOrWithoutAccents) {
    EXPECT_EQ(foldName("Nikola Joki\u0107"), "nikola jokic");
    EXPECT_EQ(foldName("Ersan \u0130lyasova"), "ersan ilyasova");
    EXPECT_EQ(foldName("Kristaps Porzi\u0146\u0123is"), "kristaps porzingis");
    EXPECT_EQ(foldName("Jos\u00e9 Calder\u00f3n"), "jose calderon");
    // Letters beyond the Latin tables pass through untouched.
    EXPECT_EQ(foldName("\u0416ukov"), "\u0416ukov");
}

struct QuickPickDraft : RoomFixture {
    explicit QuickPickDraft(int drafttype) : RoomFixture(4, drafttype) {
        addPlayer({.playerid = 1,
                   .firstname = "Seth",
                   .lastname = "Curry",
                   .dollars = 2.5,
                   .draftorder = 221});
        addPlayer({.playerid = 2,
                   .firstname = "Stephen",
                   .lastname = "Curry",
                   .dollars = 48.2,
                   .draftorder = 5});
        addPlayer({.playerid = 3,
                   .firstname = "Nikola",
                   .lastname = "Joki\u0107",
                   .pos = "C",
                   .dollars = 51.75,
                   .draftorder = 2});
        addPlayer({.playerid = 4, .firstname = "Curtis", .lastname = "Jones"});  // no rank
        addPlayer({.playerid = 5, .firstname = "Cur", .lastname = "Taken", .draftorder = 1});
        exec("insert into DraftTaken (template_id, playerid, teamid, pos, draftorder) values (" +
             std::to_string(draftId) + ", 5, " + std::to_string(teamAt(1)) + ", 'G', 1)");
    }
    std::vector<int> offered(const std::string& typed) {
        const auto entries = loadQuickPicks(state);
        std::vector<int> ids;
        const bool auction = state.draftSettings()->drafttype == kDraftTypeAuction;
        for (const std::size_t index : rankQuickPicks(*entries, typed, auction, 3)) {
            ids.push_back((*entries)[index].playerid);
        }
        return ids;
    }
};

TEST(QuickPicks, RankTheUndraftedByValueWhateverNameWasTyped) {
    QuickPickDraft draft(kDraftTypeSnake);
    // Stephen (rank 5) before Seth (221); Curtis has no rank and comes last; the drafted "Cur
    // Taken" is not offered.
    EXPECT_EQ(draft.offered("cur"), (std::vector<int>{2, 1, 4}));
    EXPECT_EQ(draft.offered("JOKIC"), (std::vector<int>{3}));
    EXPECT_EQ(draft.offered("nikola j"), (std::vector<int>{3}));
    EXPECT_EQ(draft.offered("  "), (std::vector<int>{}));
}

TEST(QuickPicks, RankByDollarsInAnAuction) {
    QuickPickDraft draft(kDraftTypeAuction);
    EXPECT_EQ(draft.offered("c"), (std::vector<int>{2, 1, 4}));
    const auto entries = loadQuickPicks(draft.state);
    for (const QuickPickEntry& entry : *entries) {
        if (entry.playerid == 2) {
            EXPECT_EQ(entry.label, "Stephen Curry (BOS, G) $48.20");
        }
    }
}

struct SlotDraft : RoomFixture {
    SlotDraft() : RoomFixture(2, kDraftTypeSnake) {
        setRoster(1, 1, 1, 0, 0, 0, 0, 1, 1);  // C, G, PG, UT, R
        for (int i = 1; i <= 6; ++i) {
            addPlayer({.playerid = i, .firstname = "G", .lastname = std::to_string(i)});
        }
    }
    void hold(int playerid, const std::string& slot) {
        exec("insert into DraftTaken (template_id, playerid, teamid, pos, draftorder) values (" +
             std::to_string(draftId) + ", " + std::to_string(playerid) + ", " +
             std::to_string(teamAt(1)) + ", '" + slot + "', " + std::to_string(playerid) + ")");
    }
    std::string slotFor(int playerid) {
        return preselectSlot(state, playerid, teamAt(1))->selectedText();
    }
};

TEST(SlotChoices, AGuardMovesOnToTheNextOpenSlotHeMayFill) {
    EXPECT_EQ(eligibleSlots("SF", {"SF"}), (std::vector<std::string>{"SF", "F", "UT", "R"}));
    EXPECT_EQ(eligibleSlots("g", {"PG", "SG"}),
              (std::vector<std::string>{"G", "PG", "SG", "UT", "R"}));

    SlotDraft draft;
    EXPECT_EQ(draft.slotFor(6), "G");
    draft.hold(1, "G");
    EXPECT_EQ(draft.slotFor(6), "PG");  // G is full; the draft has no SG slot
    draft.hold(2, "PG");
    EXPECT_EQ(draft.slotFor(6), "UT");
    draft.hold(3, "UT");
    EXPECT_EQ(draft.slotFor(6), "R");
    // A player already holding a slot does not count against himself.
    EXPECT_EQ(draft.slotFor(3), "UT");
    draft.hold(4, "R");
    // Nothing open: his own position, and the pick will ask about the full slot.
    EXPECT_EQ(draft.slotFor(6), "G");
}

TEST(TurnNews, UndoAndSkipSayWhatTheyDid) {
    SlotDraft draft;
    PickForm form{draft.teamAt(1), "G", ""};
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 5, form).outcome, PickOutcome::Recorded);
    const auto skipped = skipTurnTold(draft.state, draft.dialogs);
    ASSERT_TRUE(skipped);
    // Two teams: after position 1's pick position 2 skips at the turn and picks again.
    EXPECT_EQ(skipped->news, "Skipped #2 Owner 2: Owner 2 on the clock");
    EXPECT_EQ(undoLastPickTold(draft.state, draft.dialogs)->news,
              "Undid a skip: Owner 2 on the clock");
    EXPECT_EQ(undoLastPickTold(draft.state, draft.dialogs)->news, "Undid #1 G 5, Owner 1");
    EXPECT_EQ(undoLastPickTold(draft.state, draft.dialogs)->news, "Nothing to undo");
}

}  // namespace
}  // namespace quorvane::test
