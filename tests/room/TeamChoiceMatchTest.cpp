// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "room/TeamChoiceMatch.h"

namespace quorvane {
namespace {

std::vector<TeamChoice> league() {
    std::vector<TeamChoice> teams;
    for (int position = 1; position <= 12; ++position) {
        teams.push_back({"Owner " + std::to_string(position), 100 + position});
    }
    teams.push_back({"76ers Fans", 200});
    teams.push_back({"Bulls", 201});
    return teams;
}

TEST(TeamChoiceMatch, ATypedNameWithItsBlankFindsThatTeam) {
    const auto teams = league();
    // The blank is part of the name: "Owner 3" is not the first "Owner" team.
    EXPECT_EQ(matchTeamChoice(teams, "Owner 3"), 2U);
    EXPECT_EQ(matchTeamChoice(teams, "owner 3"), 2U);
    // A whole name wins over a longer one it begins: Owner 1, not Owner 10.
    EXPECT_EQ(matchTeamChoice(teams, "OWNER 1"), 0U);
    EXPECT_EQ(matchTeamChoice(teams, "owner 10"), 9U);
    EXPECT_EQ(matchTeamChoice(teams, "ow"), 0U);
    EXPECT_EQ(matchTeamChoice(teams, "bu"), 13U);
    EXPECT_EQ(matchTeamChoice(teams, "  owner 2 "), 1U);
}

TEST(TeamChoiceMatch, DigitsAreADraftPositionUnlessANameBeginsWithThem) {
    const auto teams = league();
    EXPECT_EQ(matchTeamChoice(teams, "3"), 2U);
    EXPECT_EQ(matchTeamChoice(teams, "12"), 11U);
    EXPECT_EQ(matchTeamChoice(teams, "7"), 12U);  // "76ers Fans"
    EXPECT_FALSE(matchTeamChoice(teams, "15").has_value());
    EXPECT_FALSE(matchTeamChoice(teams, "0").has_value());
    EXPECT_FALSE(matchTeamChoice(teams, "lakers").has_value());
    EXPECT_FALSE(matchTeamChoice(teams, "").has_value());
}

}  // namespace
}  // namespace quorvane
