// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quorvane::test {

// A draft as the room writes it: settings as numbers, slots as strings, metadata as strings.
inline std::string roomDraftJson(const std::string& type, const std::string& status, int teams,
                                 int rounds, int reversalRound, const std::string& slotToRoster,
                                 long long lastPicked, const std::string& metadata = "{}") {
    return R"({"draft_id":"2001","league_id":"3001","type":")" + type + R"(","status":")" + status +
           R"(","last_picked":)" + std::to_string(lastPicked) +
           R"(,"season":"2019","settings":{"teams":)" + std::to_string(teams) + R"(,"rounds":)" +
           std::to_string(rounds) + R"(,"reversal_round":)" + std::to_string(reversalRound) +
           R"(,"pick_timer":90},"draft_order":null,"slot_to_roster_id":)" + slotToRoster +
           R"(,"metadata":)" + metadata + "}";
}

struct RoomPickJson {
    RoomPickJson(int pickNo_, int round_, int slot_, int roster_, std::string playerId_,
                 std::string first_, std::string last_, std::string team_, std::string position_,
                 bool keeper_ = false, std::string amount_ = {})
        : pickNo(pickNo_),
          round(round_),
          slot(slot_),
          roster(roster_),
          playerId(std::move(playerId_)),
          first(std::move(first_)),
          last(std::move(last_)),
          team(std::move(team_)),
          position(std::move(position_)),
          keeper(keeper_),
          amount(std::move(amount_)) {}

    int pickNo = 0;
    int round = 0;
    int slot = 0;
    int roster = 0;
    std::string playerId;
    std::string first;
    std::string last;
    std::string team;
    std::string position;
    bool keeper = false;
    std::string amount;  // auctions only
};

// Mock drafts (and seats the computer fills) name no roster and no user on their picks.
inline std::string roomPicksJson(const std::vector<RoomPickJson>& picks, bool mock = false) {
    std::string text = "[";
    for (const RoomPickJson& p : picks) {
        if (text.size() > 1) {
            text += ",";
        }
        text += R"({"draft_id":"2001","pick_no":)" + std::to_string(p.pickNo) + R"(,"round":)" +
                std::to_string(p.round) + R"(,"draft_slot":)" + std::to_string(p.slot) +
                (mock ? std::string(R"(,"roster_id":null,"picked_by":"")")
                      : R"(,"roster_id":)" + std::to_string(p.roster) + R"(,"picked_by":"u)" +
                            std::to_string(p.roster) + "\"") +
                R"(,"player_id":")" + p.playerId + R"(","is_keeper":)" +
                (p.keeper ? "true" : "null") + R"(,"reactions":null,"metadata":{"first_name":")" +
                p.first + R"(","last_name":")" + p.last + R"(","player_id":")" + p.playerId +
                R"(","position":")" + p.position + R"(","team":")" + p.team +
                R"(","status":"ACT","sport":"nba")" +
                (p.amount.empty() ? "" : R"(,"amount":")" + p.amount + "\"") + "}}";
    }
    return text + "]";
}

}  // namespace quorvane::test
