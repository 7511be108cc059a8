// SPDX-License-Identifier: MIT
#include "draftconfig/SetupForm.h"

#include "text/NumberText.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {

int categoryBoxIndex(int categoryid) {
    for (std::size_t box = 0; box < kSetupCategoryBoxes.size(); ++box) {
        if (kSetupCategoryBoxes[box] == categoryid) {
            return static_cast<int>(box);
        }
    }
    return -1;
}

std::vector<SetupTeamRow> fillTeamRows(const DraftSettings& draft) {
    std::vector<SetupTeamRow> rows;
    rows.reserve(draft.draftTeams.size());
    for (const DraftTeam& team : draft.draftTeams) {
        rows.push_back({team.teamid, team.teamname, std::to_string(team.draftposition),
                        team.owner == 1, team.currentpick});
    }
    return rows;
}

SetupForm fillSetup(const DraftSettings& draft) {
    SetupForm form;
    form.scoringStyle = draft.scoringstyle == kScoringRotisserie   ? kScoringRotisserie
                        : draft.scoringstyle == kScoringHeadToHead ? kScoringHeadToHead
                                                                   : kScoringPoints;
    form.headToHeadMode = draft.headToHead.mode == kHeadToHeadMostCategories
                              ? kHeadToHeadMostCategories
                              : kHeadToHeadEachCategory;
    form.gamesPerWeek = numberText(draft.headToHead.gamesPerWeek);
    for (std::size_t box = 0; box < kSetupCategoryBoxes.size(); ++box) {
        form.varianceRatio[box] =
            numberText(varianceRatioOf(draft.headToHead, kSetupCategoryBoxes[box]));
    }
    form.minBid = numberText(draft.minbid);
    for (const CategoryWeight& category : draft.categories) {
        const int box = categoryBoxIndex(category.categoryid);
        if (box >= 0) {
            form.categoryTicked[static_cast<std::size_t>(box)] = true;
            form.categoryWeight[static_cast<std::size_t>(box)] = numberText(category.points);
        }
    }
    if (draft.drafttype >= kDraftTypeAuction && draft.drafttype <= kDraftTypeStraight) {
        form.draftType = draft.drafttype;
    }
    form.roundsIndex = draft.roundsIndex;
    form.salaryCap = numberText(draft.dollars);
    form.teamRows = fillTeamRows(draft);
    form.rosterSlots = {draft.C,  draft.G,  draft.PG, draft.SG, draft.F,
                        draft.PF, draft.SF, draft.UT, draft.R};
    return form;
}

bool addTeamRow(SetupForm& form) {
    if (static_cast<int>(form.teamRows.size()) >= kMaxTeamRows) {
        return false;
    }
    form.teamRows.push_back({});
    return true;
}

}  // namespace quorvane
