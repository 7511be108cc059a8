// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// Codes stored in DraftTemplate.
inline constexpr int kDraftTypeAuction = 0;
inline constexpr int kDraftTypeSnake = 1;
inline constexpr int kDraftTypeStraight = 2;
inline constexpr int kScoringRotisserie = 0;
inline constexpr int kScoringPoints = 1;
// Category leagues played head-to-head, week by week (the mode is kept beside the draft).
inline constexpr int kScoringHeadToHead = 2;

// How a head-to-head week is won: every category won counts, or the team that wins more
// categories wins the week (a tie counts one half).
inline constexpr int kHeadToHeadEachCategory = 0;
inline constexpr int kHeadToHeadMostCategories = 1;
// The games an NBA player plays in a usual fantasy week: 82 games over about 26 weeks.
inline constexpr double kDefaultGamesPerWeek = 3.0;

struct CategoryWeight {
    int categoryid = 0;
    double points = 0.0;
};

// A category's week-to-week variance ratio as the draft sets it (others keep the catalogue's).
struct VarianceRatio {
    int categoryid = 0;
    double ratio = 0.0;
};

// What a head-to-head league adds to the draft's settings; ignored by the other styles.
struct HeadToHeadSettings {
    int mode = kHeadToHeadEachCategory;
    double gamesPerWeek = kDefaultGamesPerWeek;
    std::vector<VarianceRatio> varianceRatios;  // by categoryid
};

// The ratio of a category in the draft: its own, else the catalogue's.
double varianceRatioOf(const HeadToHeadSettings& headToHead, int categoryid);

struct DraftTeam {
    int teamid = 0;
    std::string teamname;
    int draftposition = 0;
    int currentpick = 0;  // 1 for the team on the clock
    int owner = 0;        // 1 for the user's own team
};

// The open draft as it was loaded, kept in step with the tables by the operations that change
// the turn, the direction or the teams. The lists hold the real entries only.
struct DraftSettings {
    int template_id = 0;
    std::string template_name;
    int teams = 0;
    double dollars = 0.0;
    int roundsIndex = 0;  // stored rounds minus 1
    int drafttype = 0;
    int scoringstyle = 0;
    double minbid = 0.0;
    std::string draftdirection;
    // The turn on the clock counted from 1 over picks and skips (the next sale in an auction),
    // as the draft's turn history has it.
    int turnNumber = 1;
    int C = 0;
    int F = 0;
    int PF = 0;
    int SF = 0;
    int G = 0;
    int PG = 0;
    int SG = 0;
    int UT = 0;
    int R = 0;
    std::vector<CategoryWeight> categories;
    std::vector<DraftTeam> draftTeams;  // by draftposition ascending
    HeadToHeadSettings headToHead;
    // The file's change stamp (fileChangeStamp: other programs' commits and this connection's
    // changed rows) before these settings were read: while it reads the same, they still stand.
    // None when it could not be read.
    std::optional<std::int64_t> readAtDataVersion;

    int rounds() const { return roundsIndex + 1; }
    // Sum of the nine slot counts.
    int rosterSize() const { return C + F + PF + SF + G + PG + SG + UT + R; }
};

}  // namespace quorvane
