// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomAnswersJson.h"
#include "RoomJson.h"
#include "RoomService.h"
#include "online/EspnRoom.h"
#include "online/FantraxRoom.h"
#include "online/FollowDraft.h"
#include "online/SleeperRoom.h"
#include "platform/CurlTransfer.h"
#include "session/FollowConversation.h"

namespace quorvane::test {
namespace {

// Each room kind: where it is asked first, and the room at an address.
struct RoomUnderTest {
    RoomKind kind;
    std::string prefix;     // the base address's path
    std::string firstPath;  // the first request a follower makes
    std::string title;
};

const RoomUnderTest kSleeper{RoomKind::Sleeper, "/v1", "/v1/draft/2001", "Sleeper draft 2001"};
const RoomUnderTest kEspn{RoomKind::Espn, "/apis/v3",
                          "/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456",
                          "ESPN league 123456"};
const RoomUnderTest kFantrax{RoomKind::Fantrax, "/fxea/general", "/fxea/general/getLeagueInfo",
                             "Fantrax league fx8k2m"};

std::unique_ptr<Room> roomAt(const RoomUnderTest& room, UrlTransfer& transfer,
                             const std::string& base, const std::string& dataFolder) {
    switch (room.kind) {
        case RoomKind::Espn:
            return std::make_unique<EspnRoom>(transfer, "123456", 2019, std::nullopt, dataFolder,
                                              base);
        case RoomKind::Fantrax:
            return std::make_unique<FantraxRoom>(transfer, "fx8k2m", dataFolder, base);
        case RoomKind::Sleeper:
            break;
    }
    return std::make_unique<SleeperRoom>(transfer, "2001", base);
}

class HostileTransport : public ::testing::TestWithParam<RoomUnderTest> {};

// What goes wrong on the way stops the follow with its own words naming the address, records
// nothing, and never waits past the deadline.
TEST_P(HostileTransport, EachFailureHasItsOwnMessageNamingTheAddressAndRecordsNothing) {
    const RoomUnderTest& under = GetParam();
    FollowProgram program(4, kDraftTypeSnake);
    RoomService service;
    CurlTransfer transfer(trustedCertificate().certFile);
    CurlTransfer impatient(trustedCertificate().certFile, 1);
    const std::string first = service.address(under.firstPath);
    const auto follow = [&](const std::string& base, UrlTransfer* with = nullptr) {
        const auto room =
            roomAt(under, with != nullptr ? *with : transfer, base, program.state.dataFolder);
        const FollowSync sync = followDraft(program.state, program.dialogs, *room);
        EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
        EXPECT_TRUE(program.picks().empty());
        return program.dialogs.lastText();
    };
    const std::string base = service.address(under.prefix);

    service.serve(under.firstPath, R"({"draft_id":"2001","settings":{"teams":4,)");
    EXPECT_EQ(follow(base), under.title +
                                " sent an answer that cannot be followed: the answer is not JSON. "
                                "Nothing of that answer was recorded.");

    // The JSON reader would stop at the NUL and take the answer for the empty object.
    service.serve(under.firstPath, std::string("{}\0{\"draft_id\":\"9\"} garbage", 27));
    EXPECT_EQ(follow(base), under.title +
                                " sent an answer that cannot be followed: the answer is not JSON. "
                                "Nothing of that answer was recorded.");

    service.serve(under.firstPath, std::string(21 * 1024 * 1024, ' '));
    EXPECT_EQ(follow(base),
              under.title + " cannot be followed: the answer of " + first + " is over 20 MB.");

    const std::string plain = "http://127.0.0.1:" + std::to_string(service.port()) + "/elsewhere";
    service.serve(under.firstPath, [plain] {
        return Served{302, "", {{"Location", plain + "?leagueId=1"}}, std::chrono::milliseconds(0)};
    });
    EXPECT_EQ(follow(base), under.title + " cannot be followed: " + first +
                                " sent the request on to " + plain +
                                ", a plain http address, which is not asked.");

    const std::string otherHost = "https://localhost:" + std::to_string(service.port());
    EXPECT_EQ(follow(otherHost + under.prefix),
              under.title + " cannot be followed: the certificate of " + otherHost +
                  under.firstPath + " is made out to another host.");

    const std::string plainBase = "http://127.0.0.1:" + std::to_string(service.port());
    EXPECT_EQ(follow(plainBase + under.prefix),
              under.title + " cannot be followed: " + plainBase + under.firstPath +
                  " is a plain http address; only https addresses are asked.");

    service.serve(under.firstPath, [] {
        return Served{200, "{}", {}, std::chrono::milliseconds(2500)};
    });
    EXPECT_EQ(follow(base, &impatient),
              under.title + " could not be read: " + first +
                  " did not answer in time. Please try again in a moment.");

    RoomService untrusted(untrustedCertificate());
    EXPECT_EQ(follow(untrusted.address(under.prefix)),
              under.title + " cannot be followed: the certificate of " +
                  untrusted.address(under.firstPath) + " is not signed by a trusted authority.");
}

INSTANTIATE_TEST_SUITE_P(EveryRoom, HostileTransport, ::testing::Values(kSleeper, kEspn, kFantrax),
                         [](const auto& kind) { return roomKindName(kind.param.kind); });

// One answer of a room, served and followed; the message it left.
struct Answers {
    FollowProgram program{4, kDraftTypeSnake};
    RoomService service;
    CurlTransfer transfer{trustedCertificate().certFile};

    std::string refusal(const RoomUnderTest& under) {
        const auto room =
            roomAt(under, transfer, service.address(under.prefix), program.state.dataFolder);
        const FollowSync sync = followDraft(program.state, program.dialogs, *room);
        EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
        EXPECT_TRUE(program.picks().empty()) << program.dialogs.lastText();
        const std::string prefix = under.title + " sent an answer that cannot be followed: ";
        const std::string text = program.dialogs.lastText();
        if (text.rfind(prefix, 0) != 0) {
            return "unexpected: " + text;
        }
        return text.substr(prefix.size(), text.size() - prefix.size() -
                                              std::string(". Nothing of that answer was "
                                                          "recorded.")
                                                  .size());
    }
};

const RoomPickJson kJokic{1, 1, 1, 1, "2101", "Nikola", "Jokic", "DEN", "C"};
const RoomPickJson kHarden{2, 1, 2, 2, "2102", "James", "Harden", "HOU", "PG"};

TEST(HostileSleeperAnswer, EveryBadPickIsRefusedWholeNamingThePick) {
    Answers answers;
    const std::string slots = R"({"1":1,"2":2,"3":3,"4":4})";
    const auto snakePicks = [&](const std::vector<RoomPickJson>& picks) {
        answers.service.serve("/v1/draft/2001",
                              roomDraftJson("snake", "drafting", 4, 13, 0, slots, 1000));
        answers.service.serve("/v1/draft/2001/picks", roomPicksJson(picks));
    };
    snakePicks({kJokic, {1, 1, 2, 2, "2102", "James", "Harden", "HOU", "PG"}});
    EXPECT_EQ(answers.refusal(kSleeper), "pick 1 appears twice");

    // What a hostile room sent: 10,000 picks into a 4-team draft of 13 rounds.
    std::vector<RoomPickJson> flood;
    for (int pick = 1; pick <= 10000; ++pick) {
        flood.push_back(
            {pick, 1, 1, 1, std::to_string(5000 + pick), "Nikola", "Jokic", "DEN", "C"});
    }
    snakePicks(flood);
    EXPECT_EQ(answers.refusal(kSleeper),
              "the answer holds 10000 picks, more than the 52 the draft holds");
    snakePicks({kJokic, {53, 14, 1, 1, "2102", "James", "Harden", "HOU", "PG"}});
    EXPECT_EQ(answers.refusal(kSleeper), "pick 53 is beyond the draft's last pick, 52");
    snakePicks({kJokic, {2, 1, 2, 13, "2102", "James", "Harden", "HOU", "PG"}});
    EXPECT_EQ(answers.refusal(kSleeper), "pick 2 is for roster 13, which the room never listed");
    snakePicks(
        {kJokic, {2, 1, 2, 2, "2102", "Ja\\u001b]0;owned\\u0007mes", "Harden", "HOU", "PG"}});
    EXPECT_EQ(answers.refusal(kSleeper), "pick 2's first name holds a control character");
    // Bytes that are no UTF-8 make the whole answer no JSON.
    snakePicks({kJokic, {2, 1, 2, 2, "2102", "James", "Hard\xC3\x28n", "HOU", "PG"}});
    EXPECT_EQ(answers.refusal(kSleeper), "the answer is not JSON");

    // An auction of $200 a team: roster 1 pays 57, then has 200 - 57 = 143 left.
    const auto auctionPicks = [&](const std::string& second) {
        answers.service.serve("/v1/draft/2001",
                              roomDraftJson("auction", "drafting", 4, 13, 0, slots, 2000));
        answers.service.serve(
            "/v1/draft/2001/picks",
            roomPicksJson({{1, 1, 1, 1, "2101", "Nikola", "Jokic", "DEN", "C", false, "57"},
                           {2, 1, 1, 1, "2102", "James", "Harden", "HOU", "PG", false, second}}));
    };
    auctionPicks("144");
    EXPECT_EQ(answers.refusal(kSleeper),
              "pick 2's price \"144\" is outside 0 to 143 (what roster 1 can still pay)");
    for (const std::string price : {"-5", "-0", "1e400"}) {
        auctionPicks(price);
        EXPECT_EQ(answers.refusal(kSleeper), "pick 2's price \"" + price +
                                                 "\" is outside 0 to 143 (what roster 1 can "
                                                 "still pay)");
    }
    auctionPicks("abc");
    EXPECT_EQ(answers.refusal(kSleeper), "pick 2's price \"abc\" is not a number");
    // The draft bids from $1 in whole dollars.
    auctionPicks("0");
    EXPECT_EQ(answers.refusal(kSleeper), "pick 2's price \"0\" is below the minimum bid of $1");
    auctionPicks("2.5");
    EXPECT_EQ(answers.refusal(kSleeper),
              "pick 2's price \"2.5\" has cents, but the draft counts whole dollars");
    auctionPicks("5e1");
    EXPECT_EQ(answers.refusal(kSleeper),
              "pick 2's price \"5e1\" is not written as dollars (digits and a decimal point)");
    answers.service.serve("/v1/draft/2001/picks",
                          R"([{"pick_no":1,"roster_id":1,"player_id":"2101","metadata":)"
                          R"({"first_name":"Nikola","last_name":"Jokic","amount":""}}])");
    EXPECT_EQ(answers.refusal(kSleeper), "pick 1's price \"\" is empty");

    // A number the JSON itself writes wrongly is refused where it stands.
    answers.service.serve("/v1/draft/2001/picks", R"([{"pick_no":"1x","roster_id":1}])");
    answers.service.serve("/v1/draft/2001",
                          roomDraftJson("snake", "drafting", 4, 13, 0, slots, 3000));
    EXPECT_EQ(answers.refusal(kSleeper), "the pick number \"1x\" is not a number");

    // After all of that, a sound answer is followed as ever.
    snakePicks({kJokic, kHarden});
    const auto room = roomAt(kSleeper, answers.transfer, answers.service.address("/v1"), {});
    EXPECT_EQ(followDraft(answers.program.state, answers.program.dialogs, *room).outcome,
              FollowSync::Outcome::Synced);
    EXPECT_EQ(answers.program.picks().size(), 2u);
}

constexpr const char* kEspnLeague = "/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456";
const std::vector<EspnTeamJson> kEspnTeams{
    {1, "One", "", ""}, {2, "Two", "", ""}, {3, "Three", "", ""}, {4, "Four", "", ""}};

TEST(HostileEspnAnswer, EveryBadPickIsRefusedWholeNamingThePick) {
    Answers answers;
    answers.service.serve("/apis/v3/games/fba/seasons/2019/players", espnSamplePlayers());
    const auto league = [&](const std::string& type, const std::vector<EspnPickJson>& picks,
                            const std::vector<EspnTeamJson>& teams = kEspnTeams) {
        answers.service.serve(kEspnLeague,
                              espnLeagueJson(type, false, true, {1, 2, 3, 4}, teams, picks));
    };
    league("SNAKE", {{1, 1, 1, "3112335"}, {1, 1, 2, "3992"}});
    EXPECT_EQ(answers.refusal(kEspn), "pick 1 appears twice");
    std::vector<EspnPickJson> flood;
    for (int pick = 1; pick <= 10000; ++pick) {
        flood.push_back({pick, 1, 1, "3112335"});
    }
    league("SNAKE", flood);
    EXPECT_EQ(answers.refusal(kEspn),
              "the answer holds 10000 picks, more than the 52 the draft holds");
    league("SNAKE", {{1, 1, 1, "3112335"}, {2, 1, 99, "3992"}});
    EXPECT_EQ(answers.refusal(kEspn), "pick 2 is for team 99, which the room never listed");
    league("SNAKE", {{1, 1, 1, "3112335"}},
           {{1, "One\\u001b[2J", "", ""},
            {2, "Two", "", ""},
            {3, "Three", "", ""},
            {4, "Four", "", ""}});
    EXPECT_EQ(answers.refusal(kEspn), "the name of team 1 holds a control character");

    // $200 a team: team 2 pays 57, then has 143 left.
    const auto auction = [&](const std::string& bid) {
        league("AUCTION", {{1, 1, 2, "3112335", "57"}, {2, 1, 2, "3992", bid}});
    };
    auction("144");
    EXPECT_EQ(answers.refusal(kEspn),
              "pick 2's price \"144\" is outside 0 to 143 (what team 2 can still pay)");
    for (const std::string bid : {"-0", "-5", "1e400"}) {
        auction(bid);
        EXPECT_EQ(answers.refusal(kEspn),
                  "pick 2's price \"" + bid + "\" is outside 0 to 143 (what team 2 can still pay)");
    }
    auction("\"abc\"");
    EXPECT_EQ(answers.refusal(kEspn), "pick 2's price \"abc\" is not a number");
    auction("null");
    EXPECT_EQ(answers.refusal(kEspn), "pick 2 has no price");
    // Fifty dollars with an exponent, as a JSON number and as a string.
    const std::vector<std::pair<std::string, std::string>> exponents{
        {"5e1", "5e1"}, {"\"5e1\"", "5e1"}, {"5.0E+1", "5.0E+1"}};
    for (const auto& [bid, written] : exponents) {
        auction(bid);
        EXPECT_EQ(answers.refusal(kEspn), "pick 2's price \"" + written +
                                              "\" is not written as dollars (digits and a "
                                              "decimal point)");
    }
    auction("0");
    EXPECT_EQ(answers.refusal(kEspn), "pick 2's price \"0\" is below the minimum bid of $1");
    league("AUCTION", {{1, 1, 2, "3112335", "201"}});
    EXPECT_EQ(answers.refusal(kEspn),
              "pick 1's price \"201\" is outside 0 to 200 (what team 2 can still pay)");

    // A name the player list gives with an escape sequence.
    answers.service.serve("/apis/v3/games/fba/seasons/2019/players",
                          espnPlayersJson({{"3112335", "Nikola", "Jok\\u001b[31mic", 7, 5, {4}}}));
    std::filesystem::remove(answers.program.state.dataFolder + "/rooms/espn-players-2019.json");
    league("SNAKE", {{1, 1, 1, "3112335"}});
    EXPECT_EQ(answers.refusal(kEspn), "pick 1's last name holds a control character");
}

TEST(HostileFantraxAnswer, EveryBadPickIsRefusedWholeNamingThePick) {
    Answers answers;
    answers.service.serve("/fxea/general/getPlayerIds", fantraxSamplePlayers());
    const std::vector<std::pair<std::string, std::string>> teams{
        {"t1a", "One"}, {"t2b", "Two"}, {"t3c", "Three"}, {"t4d", "Four"}};
    answers.service.serve("/fxea/general/getLeagueInfo", fantraxLeagueJson(teams));
    const std::vector<std::string> order{"t1a", "t2b", "t3c", "t4d"};
    const auto draft = [&](const std::vector<FantraxPickJson>& picks) {
        answers.service.serve("/fxea/general/getDraftResults",
                              fantraxDraftJson("SNAKE", "IN_PROGRESS", order, picks));
    };
    draft({{1, 1, "t1a", "02xkq"}, {1, 1, "t2b", "01gdx"}});
    EXPECT_EQ(answers.refusal(kFantrax), "pick 1 appears twice");
    std::vector<FantraxPickJson> flood;
    for (int pick = 1; pick <= 10000; ++pick) {
        flood.push_back({1, pick, "t1a", "02xkq"});
    }
    draft(flood);
    EXPECT_EQ(answers.refusal(kFantrax),
              "the answer holds 10000 picks, more than the 52 the draft holds");
    draft({{1, 1, "t1a", "02xkq"}, {1, 2, "zz9", "01gdx"}});
    EXPECT_EQ(answers.refusal(kFantrax), "pick 2 is for team zz9, which the room never listed");

    answers.service.serve("/fxea/general/getPlayerIds",
                          R"({"02xkq":{"name":"Jokic,\u001b]2;x\u0007 Nikola","team":"DEN"}})");
    std::filesystem::remove(answers.program.state.dataFolder + "/rooms/fantrax-players.json");
    draft({{1, 1, "t1a", "02xkq"}});
    EXPECT_EQ(answers.refusal(kFantrax), "pick 1's first name holds a control character");
}

}  // namespace
}  // namespace quorvane::test
