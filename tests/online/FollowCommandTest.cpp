// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "CliRunner.h"
#include "RoomAnswersJson.h"
#include "RoomJson.h"
#include "RoomService.h"
#include "SleeperFixture.h"
#include "online/EspnCookies.h"

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

// A draft of four teams as the other rooms' tests have it, on the command line.
struct CommandLineLeague {
    CommandLineLeague() {
        EXPECT_EQ(cli.run({"init"}).status, 0);
        EXPECT_EQ(
            cli.run({"new-draft", "League", "--teams", "4", "--draft", "--rotisserie"}).status, 0);
        const CliRun setup = cli.run({"setup", "League", "--type", "snake", "--slots",
                                      "C=1,G=1,F=1,UT=1,PG=0,SG=0,PF=0,SF=0,R=0"});
        EXPECT_EQ(setup.status, 0) << setup.err;
    }
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = cli.folder().str() + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    RoomService service;
    CliRunner cli;
};

TEST(FollowCommand, AnEspnLeagueIsFollowedWithTheCookiesKeptForTheDraftAlone) {
    CommandLineLeague league;
    const AddressForTest address("QUORVANE_ESPN_URL", league.service.address("/apis/v3"));
    const std::vector<EspnTeamJson> teams{{2, "Downtown Dribblers", "", ""},
                                          {7, "Hoop Dreams", "", ""},
                                          {1, "", "Bench", "Mob"},
                                          {4, "Zone", "", ""}};
    league.service.serve("/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456",
                         espnLeagueJson("SNAKE", false, true, {2, 7, 1, 4}, teams,
                                        {{1, 1, 2, "3112335"}, {2, 1, 7, "3992"}}));
    league.service.serve("/apis/v3/games/fba/seasons/2019/players", espnSamplePlayers());

    EXPECT_EQ(league.cli.run({"follow", "League", "--espn", "12a", "--season", "2019"}).status, 2);
    EXPECT_EQ(league.cli.run({"follow", "League", "--espn", "123456"}).status, 2);
    EXPECT_EQ(league.cli.run({"follow", "League", "--espn", "123456", "--season", "1989"}).status,
              2);
    // Read as import-table reads a season: "2e3" was the season 2000, "2019.0" the season 2019.
    for (const std::string season : {"2019.0", "2e3", "0x7E3"}) {
        const CliRun odd =
            league.cli.run({"follow", "League", "--espn", "123456", "--season", season});
        EXPECT_EQ(odd.status, 2);
        EXPECT_EQ(odd.err, "Usage: --season: \"" + season + "\" is not a whole number\n");
    }
    const std::string noSwid = league.write("half.txt", "espn_s2=AEB\n");
    const CliRun half = league.cli.run(
        {"follow", "League", "--espn", "123456", "--season", "2019", "--cookies", noSwid});
    EXPECT_EQ(half.status, 1);
    EXPECT_EQ(half.err, "Error: The cookie file " + noSwid + " cannot be used: SWID is missing\n");
    EXPECT_EQ(league.service.calls(), 0);

    const std::string cookies = league.write(
        "cookies.txt", "espn_s2=AEBsecret\nSWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}\n");
    const CliRun listed = league.cli.run({"follow", "League", "--espn", "123456", "--season",
                                          "2019", "--cookies", cookies, "--teams"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    // In the room's order; team 2 leads the first round, so it is the team at draft position 1,
    // Owner 1 (team id 1 of the draft).
    EXPECT_EQ(listed.out,
              "Room team,Name,Team\n2,Downtown Dribblers,1\n7,Hoop Dreams,2\n1,Bench Mob,3\n"
              "4,Zone,4\n");

    // The cookies stay with the draft: the next follow needs no --cookies.
    const CliRun once =
        league.cli.run({"follow", "League", "--espn", "123456", "--season", "2019", "--once"});
    ASSERT_EQ(once.status, 0) << once.err;
    EXPECT_EQ(once.out,
              "Pick 1 \u00b7 Nikola Jokic to Owner 1 (C)\nPick 2 \u00b7 James Harden to Owner 2 "
              "(G)\n");
    EXPECT_EQ(
        league.service
            .headerValues("/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456", "Cookie")
            .back(),
        "espn_s2=AEBsecret; SWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}");
    EXPECT_EQ(league.cli.run({"clock", "League"}).out,
              "Round 1 \u00b7 Pick 3 (#3) \u2014 Owner 3 on the clock \u00b7 you pick in 5 "
              "\u00b7 following ESPN league 123456\n");
    struct stat kept {};
    ASSERT_EQ(::stat(draftCookiesPath(league.cli.folder().str(), 1).c_str(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 0777, 0600u);
    std::ifstream log(league.cli.folder().str() + "/quorbasketball.log");
    const std::string logged((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(logged.find("AEBsecret"), std::string::npos);
}

TEST(FollowCommand, AFantraxLeagueIsFollowedOnce) {
    CommandLineLeague league;
    const AddressForTest address("QUORVANE_FANTRAX_URL", league.service.address("/fxea/general"));
    league.service.serve(
        "/fxea/general/getLeagueInfo",
        fantraxLeagueJson({{"t1a", "One"}, {"t2b", "Two"}, {"t3c", "Three"}, {"t4d", "Four"}}));
    league.service.serve("/fxea/general/getPlayerIds", fantraxSamplePlayers());
    league.service.serve("/fxea/general/getDraftResults",
                         fantraxDraftJson("SNAKE", "IN_PROGRESS", {"t4d", "t3c", "t2b", "t1a"},
                                          {{1, 1, "t4d", "00z1m"}, {1, 2, "t3c", ""}}));
    EXPECT_EQ(league.cli.run({"follow", "League", "--fantrax", "fx-8k"}).status, 2);
    const CliRun once = league.cli.run({"follow", "League", "--fantrax", "fx8k2m", "--once"});
    ASSERT_EQ(once.status, 0) << once.err;
    EXPECT_EQ(once.out, "Pick 1 \u00b7 Kevin Durant to Owner 1 (F)\n");
}

TEST(FollowCommand, ASleeperUsersDraftsAreListedMockDraftsAmongThem) {
    RoomService service;
    const AddressForTest address("QUORVANE_SLEEPER_URL", service.address("/v1"));
    service.serve("/v1/user/hoopsfan", R"({"user_id":"7001","username":"hoopsfan"})");
    service.serve(
        "/v1/user/7001/drafts/nba/2019",
        R"([{"draft_id":"2002","league_id":null,"type":"snake","status":"complete"},)"
        R"({"draft_id":"2001","league_id":"3001","type":"auction","status":"drafting"}])");
    service.serve("/v1/user/7001/leagues/nba/2019",
                  R"([{"league_id":"3001","name":"Dynasty, of course","season":"2019"}])");
    service.serve("/v1/league/3001/drafts",
                  R"([{"draft_id":"2001","league_id":"3001","type":"auction","status":"drafting"},)"
                  R"({"draft_id":"1999","league_id":"3001","type":"linear","status":"complete"}])");
    CliRunner cli;
    const CliRun listed =
        cli.run({"follow", "League", "--sleeper-user", "hoopsfan", "--season", "2019"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out,
              "Draft,League,Kind,Status\n2002,mock draft,snake,complete\n2001,\"Dynasty, of "
              "course\",auction,drafting\n1999,\"Dynasty, of course\",linear,complete\n");

    const CliRun unknown = cli.run({"follow", "League", "--sleeper-user", "nobody99"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err,
              "Follow Online Draft: Sleeper knows no user nobody99. Please check the name.\n");
    EXPECT_EQ(cli.run({"follow", "League", "--sleeper-user", "a b"}).status, 2);
}

}  // namespace
}  // namespace quorvane::test
