// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomAnswersJson.h"
#include "RoomService.h"
#include "online/EspnCookies.h"
#include "online/EspnRoom.h"
#include "online/FollowDraft.h"
#include "online/RoomFiles.h"
#include "platform/CurlTransfer.h"
#include "room/DraftPicks.h"
#include "session/FollowConversation.h"
#include "session/LiveRoom.h"

namespace quorvane::test {
namespace {

constexpr const char* kLeaguePath = "/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456";
constexpr const char* kPlayersPath = "/apis/v3/games/fba/seasons/2019/players";
constexpr const char* kCookies =
    "espn_s2=AEBxq9Zt7Qabc\nSWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}\n";

// Four teams whose ids are not their places: the first round runs 2, 7, 1, 4, so by default
// team 2 is Owner 1, team 7 Owner 2, team 1 Owner 3 and team 4 Owner 4. Team 1 traded its
// second-round pick (6) to team 2.
const std::vector<int> kOrder{2, 7, 1, 4};
const std::vector<EspnTeamJson> kTeams{{2, "Downtown Dribblers", "", ""},
                                       {7, "", "Hoop", "Dreams"},
                                       {1, "Bench Mob", "", ""},
                                       {4, "Zone Defense", "", ""}};

std::vector<EspnPickJson> snakeSlots(int made) {
    // Round 2 runs back: 4, 1 (traded to 2), 7, 2.
    const std::vector<int> holders{2, 7, 1, 4, 4, 2, 7, 2, 2, 7, 1, 4, 4, 1, 7, 2};
    const std::vector<std::string> players{"3112335", "3992",    "3202",   "6583",
                                           "6606",    "3136195", "3149673"};
    std::vector<EspnPickJson> slots;
    for (int pick = 1; pick <= 16; ++pick) {
        const auto at = static_cast<std::size_t>(pick - 1);
        slots.push_back({pick, (pick - 1) / 4 + 1, holders[at], pick <= made ? players[at] : "-1",
                         pick % 2 == 0 ? "null" : "0"});
    }
    return slots;
}

struct EspnLeague : FollowProgram {
    explicit EspnLeague(int teams = 4, int drafttype = kDraftTypeSnake)
        : FollowProgram(teams, drafttype) {
        service.serve(kPlayersPath, espnSamplePlayers());
    }
    std::unique_ptr<EspnRoom> room(std::optional<EspnCookies> cookies = std::nullopt) {
        return std::make_unique<EspnRoom>(transfer, "123456", 2019, std::move(cookies),
                                          state.dataFolder, service.address("/apis/v3"));
    }
    std::string banner() {
        return liveBanner(state, readDraftPicks(state).value_or(std::vector<DraftPick>{}));
    }

    RoomService service;
    CurlTransfer transfer{trustedCertificate().certFile};
};

TEST(EspnSnake, PicksLandByTheFirstRoundsOrderWithTheTradedPickAndTheClockFromTheSlots) {
    EspnLeague league;
    league.service.serve(kLeaguePath,
                         espnLeagueJson("SNAKE", false, true, kOrder, kTeams, snakeSlots(0)));
    const auto room = league.room();
    FollowSync sync = followDraft(league.state, league.dialogs, *room);
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_TRUE(league.picks().empty());
    // Nothing published yet: no pick means no player list asked for.
    EXPECT_EQ(league.service.calls(kPlayersPath), 0);
    EXPECT_EQ(room->readDraft().value->note, "ESPN has not published this draft's picks yet");

    league.service.serve(kLeaguePath,
                         espnLeagueJson("SNAKE", false, true, kOrder, kTeams, snakeSlots(6)));
    sync = followDraft(league.state, league.dialogs, *room);
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_EQ(league.picks(),
              (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G", "3:3769>Owner 3/F",
                                        "4:4065>Owner 4/C", "5:4076>Owner 4/G",
                                        // the traded pick goes to team 2, Owner 1; C is full
                                        "6:4338>Owner 1/UT"}));
    // Pick 7 is team 7's (Owner 2); Owner 1's team 2 holds pick 8: one turn away.
    EXPECT_EQ(league.banner(),
              "Round 2 \u00b7 Pick 3 (#7) \u2014 Owner 2 on the clock \u00b7 you pick in 1 "
              "\u00b7 following ESPN league 123456");
    EXPECT_EQ(league.service.calls(kPlayersPath), 1);
    EXPECT_EQ(league.service.headerValues(kPlayersPath, "x-fantasy-filter"),
              (std::vector<std::string>{R"({"filterActive":{"value":true}})"}));

    // Another follower of the same season a moment later reads the kept player list.
    const auto again = league.room();
    league.service.serve(kLeaguePath,
                         espnLeagueJson("SNAKE", false, true, kOrder, kTeams, snakeSlots(7)));
    sync = followDraft(league.state, league.dialogs, *again);
    ASSERT_EQ(sync.recorded.size(), 1u);
    EXPECT_EQ(sync.recorded[0].line, "Pick 7 \u00b7 Pascal Siakam to Owner 2 (F)");
    EXPECT_EQ(league.service.calls(kPlayersPath), 1);
    struct stat kept {};
    ASSERT_EQ(::stat((roomFilesFolder(league.state.dataFolder) + "/espn-players-2019.json").c_str(),
                     &kept),
              0);
    EXPECT_EQ(kept.st_mode & 0777, 0600u);
}

TEST(EspnSnake, APlayerIsToldFromANamesakeByTheProTeamEspnGives) {
    EspnLeague league;
    league.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, PG, SG, PF, SF, C) values (99001, 2019, 'James', 'Harden', 'G', 'BOS', 10, 1, "
        "1, 0, 0, 0)");
    league.service.serve(kLeaguePath,
                         espnLeagueJson("SNAKE", false, true, kOrder, kTeams, snakeSlots(2)));
    const FollowSync sync = followDraft(league.state, league.dialogs, *league.room());
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    // ESPN's proTeamId 10 is Houston: the Rockets' Harden, not the namesake in Boston.
    EXPECT_EQ(league.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G"}));
}

TEST(EspnAuction, PricesFromTheBidsAndAKeeperAheadOfItsPickAreRecorded) {
    EspnLeague league(3, kDraftTypeAuction);
    // Teams 5, 3 and 9; team 9 keeps Rudy Gobert for $15 at pick 12 before the auction begins.
    const std::vector<EspnTeamJson> teams{
        {5, "Five", "", ""}, {3, "Three", "", ""}, {9, "Nine", "", ""}};
    std::vector<EspnPickJson> slots{{1, 1, 5, "3112335", "57"},
                                    {2, 1, 3, "3992", "\"41\""},
                                    {3, 1, 9, "-1", "0"},
                                    {12, 4, 9, "3032979", "15", true}};
    league.service.serve(kLeaguePath,
                         espnLeagueJson("AUCTION", false, true, {5, 3, 9}, teams, slots));
    const FollowSync sync = followDraft(league.state, league.dialogs, *league.room());
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_EQ(league.picks(),
              (std::vector<std::string>{"K:4198>Owner 3/C $15", "1:4351>Owner 1/C $57",
                                        "2:3879>Owner 2/G $41"}));
    ASSERT_EQ(sync.recorded.size(), 3u);
    EXPECT_EQ(sync.recorded[0].line, "Pick 1 \u00b7 Nikola Jokic to Owner 1 for $57 (C)");
}

TEST(EspnPrivateLeague, WithoutCookiesItSaysSoAndWithThemTheyAreSentButNeverLogged) {
    EspnLeague league;
    league.service.serve(kLeaguePath, [] {
        return Served{401,
                      R"({"messages":["You are not authorized to view this League."]})",
                      {},
                      std::chrono::milliseconds(0)};
    });
    FollowSync sync = followDraft(league.state, league.dialogs, *league.room());
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
    EXPECT_EQ(league.dialogs.lastText(),
              "ESPN league 123456 is private. Reading it needs the espn_s2 and SWID cookies of a "
              "member of the league, from his browser (--cookies FILE, or the Follow window).");

    const ParsedAnswer<EspnCookies> cookies = parseEspnCookies(kCookies);
    ASSERT_TRUE(cookies.value) << cookies.problem;
    std::string problem;
    ASSERT_TRUE(saveDraftCookies(league.state.dataFolder, league.draftId, *cookies.value, problem))
        << problem;
    struct stat kept {};
    ASSERT_EQ(::stat(draftCookiesPath(league.state.dataFolder, league.draftId).c_str(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 0777, 0600u);
    const auto loaded = loadDraftCookies(league.state.dataFolder, league.draftId);
    ASSERT_TRUE(loaded);

    league.service.serve(kLeaguePath,
                         espnLeagueJson("SNAKE", false, true, kOrder, kTeams, snakeSlots(1)));
    sync = followDraft(league.state, league.dialogs, *league.room(loaded));
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_EQ(league.service.headerValues(kLeaguePath, "Cookie").back(),
              "espn_s2=AEBxq9Zt7Qabc; SWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}");
    // The player list is public: the cookies go to the league alone.
    EXPECT_EQ(league.service.headerValues(kPlayersPath, "Cookie"), std::vector<std::string>{""});
    for (const std::string& line : league.logLines()) {
        EXPECT_EQ(line.find("AEBx"), std::string::npos) << line;
        EXPECT_EQ(line.find("6E2B1C1D"), std::string::npos) << line;
    }
}

TEST(EspnCookieText, BothCookiesAreReadHoweverTheBrowserCopiedThemAndNothingElseIsSent) {
    // One line as a browser's cookie header has it, names in another case, quotes, no braces.
    const auto pasted = parseEspnCookies(
        "SWID=\"6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D\"; ESPN_S2 = AEB%2Fx ; other=1");
    ASSERT_TRUE(pasted.value) << pasted.problem;
    EXPECT_EQ(pasted.value->header(),
              "Cookie: espn_s2=AEB%2Fx; SWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}");
    EXPECT_EQ(parseEspnCookies("espn_s2: AEB\r\n").problem, "SWID is missing");
    EXPECT_EQ(parseEspnCookies("SWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}").problem,
              "espn_s2 is missing");
    // A value that would add a header or a cookie of its own is refused.
    EXPECT_EQ(espnCookiesOf("AEB\nX-Evil: 1", "{6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}").problem,
              "espn_s2 holds characters no cookie has");
    EXPECT_EQ(espnCookiesOf("AEB", "{6E2B1C1D-3A5B-4F0B-9C1D}").problem,
              "SWID is not of the form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}");
}

}  // namespace
}  // namespace quorvane::test
