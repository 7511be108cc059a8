// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "RoomJson.h"
#include "SleeperFixture.h"

namespace quorvane::test {
namespace {

const RoomPickJson kJokic{1, 1, 1, 1, "2101", "Nikola", "Jokic", "DEN", "C"};
const RoomPickJson kRookie{2, 1, 2, 2, "2199", "Zion", "Williamson", "NOP", "PF"};
const RoomPickJson kDurant{3, 1, 3, 3, "2103", "Kevin", "Durant", "GSW", "SF"};

std::string linear(long long lastPicked) {
    return roomDraftJson("linear", "drafting", 4, 4, 0, R"({"1":1,"2":2,"3":3,"4":4})", lastPicked);
}

struct CommandLineRoom {
    CommandLineRoom()
        : fixture({{linear(1000), roomPicksJson({kJokic})},
                   {linear(2000), roomPicksJson({kJokic, kRookie, kDurant})}}),
          address(fixture) {
        EXPECT_EQ(cli.run({"init"}).status, 0);
        EXPECT_EQ(
            cli.run({"new-draft", "League", "--teams", "4", "--draft", "--rotisserie"}).status, 0);
        const CliRun setup = cli.run({"setup", "League", "--type", "straight", "--slots",
                                      "C=1,G=1,F=1,UT=1,PG=0,SG=0,PF=0,SF=0,R=0"});
        EXPECT_EQ(setup.status, 0) << setup.err;
    }
    CliRun follow(std::vector<std::string> more = {}) {
        std::vector<std::string> arguments{"follow", "League", "--sleeper", "2001", "--once"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return cli.run(arguments);
    }

    SleeperFixture fixture;
    RoomAddressForTest address;
    CliRunner cli;
};

TEST(FollowCommand, OnceRecordsThePicksOnTheMappedTeamsAndTheClockShowsTheRoom) {
    CommandLineRoom room;
    // Rosters 1 and 3 swap: roster 1 is Owner 3 and roster 3, slot 3, is the user's Owner 1.
    const CliRun first = room.follow({"--map", "1=3", "--map", "3=1"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Pick 1 \u00b7 Nikola Jokic to Owner 3 (C)\n");
    EXPECT_EQ(room.cli.run({"clock", "League"}).out,
              "Round 1 \u00b7 Pick 2 (#2) \u2014 Owner 2 on the clock \u00b7 you pick in 1 "
              "\u00b7 following Sleeper draft 2001\n");

    // --stop lets the room go: the banner is the draft's own again, which knows nothing of the
    // swap: Owner 1 at draft position 1 picks after positions 2, 3 and 4.
    EXPECT_EQ(room.cli.run({"follow", "League", "--sleeper", "2001", "--stop"}).status, 0);
    EXPECT_EQ(room.cli.run({"clock", "League"}).out,
              "Round 1 \u00b7 Pick 2 (#2) \u2014 Owner 2 on the clock \u00b7 you pick in 3\n");

    // Nothing new in the room: nothing printed, nothing recorded twice; the mapping was saved.
    const CliRun again = room.follow();
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "");

    room.fixture.next();
    const CliRun stopped = room.follow();
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.out, "");
    EXPECT_NE(stopped.err.find("Pick 2: Zion Williamson (NOP, PF, room player 2199) matches no "
                               "player. Name him with --player 2199=PLAYERID and follow again."),
              std::string::npos)
        << stopped.err;

    const CliRun named = room.follow({"--player", "2199=4473"});
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(named.out,
              "Pick 2 \u00b7 Zion Williamson to Owner 2 (G)\n"
              "Pick 3 \u00b7 Kevin Durant to Owner 1 (F)\n");
}

TEST(FollowCommand, BadArgumentsAreRefusedBeforeTheRoomIsAsked) {
    CommandLineRoom room;
    EXPECT_EQ(room.cli.run({"follow", "League", "--sleeper", "12ab"}).status, 2);
    EXPECT_EQ(room.follow({"--map", "1=Owner"}).status, 2);
    const CliRun noTeam = room.follow({"--map", "1=99"});
    EXPECT_EQ(noTeam.status, 1);
    EXPECT_EQ(noTeam.err, "Error: Team 99 is not a team of this draft\n");
    EXPECT_EQ(room.follow({"--player", "2199=999999"}).status, 1);
    EXPECT_EQ(room.fixture.draftCalls(), 0);
}

}  // namespace
}  // namespace quorvane::test
