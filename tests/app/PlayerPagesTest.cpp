// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/PlayerPages.h"
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
    const auto page = playerPageFor(program.state, 101);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->url.empty());
    // 2 * 480 + 120 + 250 = 1330 points in 80 games; 300 rebounds; 500 assists.
    EXPECT_NE(page->html.find("<td>2019</td><td>16.6</td><td>3.8</td><td>6.3</td>"),
              std::string::npos)
        << page->html;
    // A season without games shows zeros rather than dividing by nothing.
    EXPECT_NE(page->html.find("<td>2018</td><td>0.0</td><td>0.0</td><td>0.0</td>"),
              std::string::npos);
    EXPECT_NE(page->html.find("O&#39;Hara &lt;b&gt;"), std::string::npos);
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
