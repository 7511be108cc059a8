// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "online/AnswerJson.h"
#include "online/RoomData.h"
#include "online/RoomPlayerList.h"

namespace quorvane {

// Fantrax names teams by short strings ("06anf"); the follower numbers them in the order it
// first meets them, the league's teams first (sorted by id, so the numbers stay the same from
// one run to the next).
class FantraxTeamNumbers {
  public:
    int numberOf(const std::string& teamId);

  private:
    std::map<std::string, int> m_numbers;
};

// The league's teams as getLeagueInfo gives them: `teamInfo`, team id -> {name, id}.
struct FantraxLeague {
    std::map<std::string, std::string> teamNames;  // team id -> name
};
ParsedAnswer<FantraxLeague> parseFantraxLeague(std::string_view text);

// The draft of getDraftResults and every pick slot it lists (one without a player is not yet
// made), each on the team holding it. Teams are numbered through `numbers`; the listed teams
// are the league's (`league`), else the draft order's.
struct FantraxDraft {
    RoomDraft draft;
    std::vector<RoomPick> slots;
};
ParsedAnswer<FantraxDraft> parseFantraxDraft(std::string_view text, const FantraxLeague& league,
                                             FantraxTeamNumbers& numbers);

// getPlayerIds: id -> "Last, First", pro team ("(N/A)" for none) and position; the rows of the
// pro teams themselves (position "Tm") are left out.
ParsedAnswer<RoomPlayerMap> parseFantraxPlayers(std::string_view text);

// The message of an answer that is an error ({"error": {"code": ..., "message": ...}}), which
// Fantrax sends with HTTP 200; empty when the answer is none.
std::string fantraxErrorOf(std::string_view text);

}  // namespace quorvane
