// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "session/PlayerPages.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

struct PlayerPagesFixture : ::testing::Test {
    void SetUp() override {
        program.exec(
            "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
            "games, fgm, pt3m, ftm, oreb, dreb, assists, notes) values "
            "(101, 2019, 'Ann', 'O''Hara <b>', 'G', 'BOS', 80, 480, 120, 250, 40, 260, 500, "
            "'watch & wait'), "
            "(101, 2018, 'Ann', 'O''Hara <b>', 'G', 'BOS', 0, 0, 0, 0, 0, 0, 0, null), "
            "(20001, 2019, 'My', 'Own', 'C', 'FA', 1, 1, 0, 0, 0, 0, 0, null)");
    }
    test::TestProgram program;
};

TEST_F(PlayerPagesFixture, ComeFromTheServiceWhenOneIsConfigured) {
    program.state.serviceHost = "stats.example.org";
    const auto page = playerPageFor(program.state, 101);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->url, "https://stats.example.org/draft/nba/da_player.asp?id=101");
    EXPECT_TRUE(page->html.empty());
}

TEST_F(PlayerPagesFixture, AreMadeFromTheDatabaseWithoutAService) {
    program.state.serviceHost.clear();
    program.exec(
        "update DraftPlayers set dollars = 12.3456, draftorder = 37, flag = 1 where playerid = "
        "101 and yearofprojection = 2019");
    const auto page = playerPageFor(program.state, 101);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->url.empty());
    // 2 * 480 + 120 + 250 = 1330 points in 80 games; 300 rebounds; 500 assists.
    // Seasons are columns, newest first; a season without games shows zeros rather than
    // dividing by nothing.
    EXPECT_NE(page->html.find("<tr><th>Season</th><th>2019</th><th>2018</th></tr>"),
              std::string::npos)
        << page->html;
    EXPECT_NE(page->html.find("<tr><th>PPG</th><td>16.6</td><td>0.0</td></tr>"), std::string::npos);
    EXPECT_NE(page->html.find("<tr><th>RPG</th><td>3.8</td><td>0.0</td></tr>"), std::string::npos);
    EXPECT_NE(page->html.find("<tr><th>APG</th><td>6.3</td><td>0.0</td></tr>"), std::string::npos);
    EXPECT_NE(page->html.find("<tr><th>G</th><td>80</td><td>0</td></tr>"), std::string::npos);
    EXPECT_NE(
        page->html.find("<b>Value</b> $12.35 &middot; <b>Rank</b> 37 &middot; <b>Flag</b> sleeper"),
        std::string::npos);
    EXPECT_NE(page->html.find("O&#39;Hara &lt;b&gt;"), std::string::npos);
    // A value below nothing reads as money owed.
    program.exec("update DraftPlayers set dollars = -36.524 where playerid = 101");
    EXPECT_NE(playerPageFor(program.state, 101)->html.find("<b>Value</b> \u2212$36.52 &middot;"),
              std::string::npos);
    EXPECT_NE(page->html.find("watch &amp; wait"), std::string::npos);
}

TEST_F(PlayerPagesFixture, DoNotExistForTheUsersOwnOrUnknownPlayers) {
    program.state.serviceHost = "stats.example.org";
    EXPECT_FALSE(playerPageFor(program.state, 20001));
    EXPECT_FALSE(playerPageFor(program.state, 0));
    program.state.serviceHost.clear();
    EXPECT_FALSE(playerPageFor(program.state, 20001));
    EXPECT_FALSE(playerPageFor(program.state, 555));
}

}  // namespace
}  // namespace quorvane
