// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "vocabulary/DraftSettings.h"

namespace quorvane {

inline constexpr int kNoChoice = -1;
// The rounds list of the setup editor offers 1 to 35 rounds.
inline constexpr int kMostRounds = 35;
inline constexpr int kMaxTeamRows = 30;
inline constexpr int kRosterSlotCount = 9;
inline constexpr int kCategoryBoxCount = 27;

// Roster slot lists of the setup editor, in list order.
enum RosterList { kListC, kListG, kListPG, kListSG, kListF, kListPF, kListSF, kListUT, kListR };

// Caption of each roster list without its colon ("ANY G"), in list order.
inline constexpr std::array<const char*, kRosterSlotCount> kRosterListNames = {
    "C", "ANY G", "PG", "SG", "ANY F", "PF", "SF", "UTIL", "RES"};

enum class SetupTab { League, Draft, Team, Roster };

struct SetupTeamRow {
    std::optional<int> teamid;  // empty for a row added and not saved yet
    std::string name;
    std::string order;
    bool mine = false;
    int currentpick = 0;
};

// What the setup editor's controls hold, as the user typed it.
struct SetupForm {
    int scoringStyle = kNoChoice;  // kScoringRotisserie, kScoringPoints or kScoringHeadToHead
    // Head-to-head leagues: kHeadToHeadEachCategory or kHeadToHeadMostCategories, the games a
    // player plays in a week and each box's variance ratio.
    int headToHeadMode = kHeadToHeadEachCategory;
    std::string gamesPerWeek;
    std::array<std::string, kCategoryBoxCount> varianceRatio{};  // by box
    int draftType = kNoChoice;    // kDraftTypeAuction, kDraftTypeSnake or kDraftTypeStraight
    int roundsIndex = kNoChoice;  // rounds minus 1
    std::string salaryCap;
    std::string minBid;
    std::array<bool, kCategoryBoxCount> categoryTicked{};         // by box, see kSetupCategoryBoxes
    std::array<std::string, kCategoryBoxCount> categoryWeight{};  // by box
    std::array<int, kRosterSlotCount> rosterSlots{};              // by RosterList
    std::vector<SetupTeamRow> teamRows;
};

// The form showing a draft's settings.
SetupForm fillSetup(const DraftSettings& draft);

// The team rows of a draft's teams, in draft-position order.
std::vector<SetupTeamRow> fillTeamRows(const DraftSettings& draft);

// "Add Team": a new empty row while fewer than 30 rows exist; false otherwise.
bool addTeamRow(SetupForm& form);

// The box index of a category id, or -1 for an id without a box.
int categoryBoxIndex(int categoryid);

}  // namespace quorvane
