// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/AnswerJson.h"
#include "online/Room.h"

namespace quorvane {

// A player as a room's player list gives him.
struct RoomPlayerInfo {
    std::string firstName;
    std::string lastName;
    std::string proTeam;
    std::string position;
};
using RoomPlayerMap = std::map<std::string, RoomPlayerInfo>;

// A room's list of players for rooms whose picks carry only a player id. It is read from the
// copy kept in the data folder while that is less than a day old, else asked for (and kept);
// and asked for once more when a pick names a player the kept copy does not know, who may have
// joined a team since.
class RoomPlayerList {
  public:
    struct Fetched {
        RoomReply reply;
        std::string text;
    };
    using Fetch = std::function<Fetched()>;
    using Parse = std::function<ParsedAnswer<RoomPlayerMap>(std::string_view)>;

    // No copy is kept when `cachePath` is empty.
    RoomPlayerList(std::string room, std::string cachePath, Fetch fetch, Parse parse);

    // Makes sure the list is read and knows the ids if the room does; the reply of a request
    // that failed otherwise.
    std::optional<RoomReply> know(const std::vector<std::string>& ids);
    // The pick's player's names, team and position from the list; an unknown one is named by
    // his id, which no player here matches, so the user is asked.
    void describe(RoomPick& pick) const;

  private:
    std::optional<RoomReply> fetchFromRoom();
    bool knowsAll(const std::vector<std::string>& ids) const;

    std::string m_room;
    std::string m_cachePath;
    Fetch m_fetch;
    Parse m_parse;
    std::optional<RoomPlayerMap> m_players;
    bool m_askedRoom = false;
};

}  // namespace quorvane
