// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

// Answers of the ESPN and Fantrax rooms as they really come: extra fields, a member id on some
// picks only, nulls where a number could stand, some numbers written as strings.
namespace quorvane::test {

struct EspnPickJson {
    int pickNo = 0;
    int round = 0;
    int teamId = 0;
    std::string playerId = "-1";  // -1: not yet made
    std::string bid = "0";        // as the JSON writes it: 57, "57", null, -0, "abc"
    bool keeper = false;
};

struct EspnTeamJson {
    int id = 0;
    std::string name;  // empty: the older location and nickname are used
    std::string location;
    std::string nickname;
};

inline std::string espnLeagueJson(const std::string& type, bool drafted, bool inProgress,
                                  const std::vector<int>& pickOrder,
                                  const std::vector<EspnTeamJson>& teams,
                                  const std::vector<EspnPickJson>& picks,
                                  const std::string& budget = "200") {
    std::string text = R"({"gameId":3,"id":123456,"scoringPeriodId":0,"seasonId":2019,)"
                       R"("draftDetail":{"completeDate":null,"drafted":)" +
                       std::string(drafted ? "true" : "false") + R"(,"inProgress":)" +
                       (inProgress ? "true" : "false") + R"(,"picks":[)";
    for (std::size_t at = 0; at < picks.size(); ++at) {
        const EspnPickJson& p = picks[at];
        text += at == 0 ? "" : ",";
        // Every third pick writes its round as a string, every other carries a member id.
        text += R"({"autoDraftTypeId":0,"bidAmount":)" + p.bid + R"(,"id":)" +
                std::to_string(p.pickNo) + R"(,"keeper":)" + (p.keeper ? "true" : "false") +
                R"(,"lineupSlotId":12,)" +
                (at % 2 == 0 ? R"("memberId":"{6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}",)" : "") +
                R"("nominatingTeamId":0,"overallPickNumber":)" + std::to_string(p.pickNo) +
                R"(,"playerId":)" + p.playerId + R"(,"reservedForKeeper":false,"roundId":)" +
                (at % 3 == 0 ? "\"" + std::to_string(p.round) + "\"" : std::to_string(p.round)) +
                R"(,"roundPickNumber":1,"teamId":)" + std::to_string(p.teamId) +
                R"(,"tradeLocked":false})";
    }
    text += R"(]},"settings":{"name":"Hoop League","draftSettings":{"auctionBudget":)" + budget +
            R"(,"availableDate":null,"keeperCount":1,"pickOrder":[)";
    for (std::size_t at = 0; at < pickOrder.size(); ++at) {
        text += (at == 0 ? "" : ",") + std::to_string(pickOrder[at]);
    }
    text += R"(],"timePerSelection":90,"type":")" + type + R"("}},"teams":[)";
    for (std::size_t at = 0; at < teams.size(); ++at) {
        const EspnTeamJson& t = teams[at];
        text += (at == 0 ? "" : ",") + std::string(R"({"abbrev":"T)") + std::to_string(t.id) +
                R"(","id":)" + std::to_string(t.id) +
                (t.name.empty()
                     ? R"(,"location":")" + t.location + R"(","nickname":")" + t.nickname + "\""
                     : R"(,"name":")" + t.name + "\"") +
                R"(,"owners":["{6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}"],"primaryOwner":null})";
    }
    return text + "]}";
}

struct EspnPlayerJson {
    std::string id;
    std::string first;
    std::string last;
    int proTeamId = 0;
    int defaultPositionId = 0;
    std::vector<int> eligibleSlots;
};

inline std::string espnPlayersJson(const std::vector<EspnPlayerJson>& players) {
    std::string text = "[";
    for (std::size_t at = 0; at < players.size(); ++at) {
        const EspnPlayerJson& p = players[at];
        std::string slotList;
        for (const int slot : p.eligibleSlots) {
            slotList += (slotList.empty() ? "" : ",") + std::to_string(slot);
        }
        text += (at == 0 ? "" : ",") + std::string(R"({"defaultPositionId":)") +
                std::to_string(p.defaultPositionId) + R"(,"droppable":true,"eligibleSlots":[)" +
                slotList + R"(],"firstName":")" + p.first + R"(","fullName":")" + p.first + " " +
                p.last + R"(","id":)" + p.id + R"(,"lastName":")" + p.last +
                R"(","ownership":null,"proTeamId":)" + std::to_string(p.proTeamId) + "}";
    }
    return text + "]";
}

// The sample players the ESPN tests draft, with ESPN's team ids and lineup slots.
inline std::string espnSamplePlayers() {
    return espnPlayersJson({{"3112335", "Nikola", "Jokic", 7, 5, {4, 10, 11, 12, 13}},
                            {"3992", "James", "Harden", 10, 1, {0, 1, 5, 11, 12, 13}},
                            {"3202", "Kevin", "Durant", 9, 3, {2, 3, 6, 11, 12, 13}},
                            {"6583", "Anthony", "Davis", 3, 4, {3, 4, 9, 11, 12, 13}},
                            {"6606", "Damian", "Lillard", 22, 1, {0, 5, 11, 12, 13}},
                            {"3136195", "Karl-Anthony", "Towns", 16, 5, {4, 11, 12, 13}},
                            {"3149673", "Pascal", "Siakam", 28, 4, {3, 6, 11, 12, 13}},
                            {"3032979", "Rudy", "Gobert", 26, 5, {4, 11, 12, 13}},
                            {"6580", "Bradley", "Beal", 27, 2, {1, 5, 11, 12, 13}}});
}

struct FantraxPickJson {
    int round = 0;
    int pick = 0;
    std::string teamId;
    std::string playerId;  // empty: not yet made (written without the member, or as null)
};

inline std::string fantraxDraftJson(const std::string& type, const std::string& state,
                                    const std::vector<std::string>& order,
                                    const std::vector<FantraxPickJson>& picks) {
    std::string text = R"({"draftState":")" + state + R"(","draftType":")" + type +
                       R"(","draftDate":"Oct 14, 2019 7:30:00 PM","startDate":null,)"
                       R"("endDate":null,"draftOrder":[)";
    for (std::size_t at = 0; at < order.size(); ++at) {
        text += (at == 0 ? "\"" : ",\"") + order[at] + "\"";
    }
    text += R"(],"draftPicks":[)";
    for (std::size_t at = 0; at < picks.size(); ++at) {
        const FantraxPickJson& p = picks[at];
        std::string player;
        if (!p.playerId.empty()) {
            player = R"(,"playerId":")" + p.playerId + R"(","time":1571095800000)";
        } else if (at % 2 == 0) {
            player = R"(,"playerId":null)";
        }
        text += (at == 0 ? "" : ",") + std::string(R"({"round":)") + std::to_string(p.round) +
                R"(,"pick":)" +
                (at % 3 == 1 ? "\"" + std::to_string(p.pick) + "\"" : std::to_string(p.pick)) +
                R"(,"pickInRound":)" + std::to_string((p.pick - 1) % 4 + 1) + R"(,"teamId":")" +
                p.teamId + "\"" + player + "}";
    }
    return text + "]}";
}

inline std::string fantraxLeagueJson(
    const std::vector<std::pair<std::string, std::string>>& teams) {
    std::string text = R"({"leagueName":"Hoop League","draftType":"SNAKE","teamInfo":{)";
    for (std::size_t at = 0; at < teams.size(); ++at) {
        text += (at == 0 ? "\"" : ",\"") + teams[at].first + R"(":{"name":")" + teams[at].second +
                R"(","id":")" + teams[at].first + R"("})";
    }
    return text + R"(},"rosterInfo":{"maxTotalPlayers":13}})";
}

// The sample players in Fantrax's list, with the pro teams' own rows and a player of no team.
inline std::string fantraxSamplePlayers() {
    return R"({"02xkq":{"name":"Jokic, Nikola","team":"DEN","position":"C"},)"
           R"("01gdx":{"name":"Harden, James","team":"HOU","position":"PG,SG"},)"
           R"("00z1m":{"name":"Durant, Kevin","team":"GSW","position":"SF,PF"},)"
           R"("02a4c":{"name":"Davis, Anthony","team":"NOP","position":"PF,C"},)"
           R"("01lll":{"name":"Lillard, Damian","team":"POR","position":"PG"},)"
           R"("04ktw":{"name":"Towns, Karl-Anthony","team":"MIN","position":"C"},)"
           R"("03pas":{"name":"Siakam, Pascal","team":"TOR","position":"PF"},)"
           R"j("05old":{"name":"Retired, Somebody","team":"(N/A)","position":"SF"},)j"
           R"("0tden":{"name":"Denver Nuggets","team":"DEN","position":"Tm"}})";
}

}  // namespace quorvane::test
