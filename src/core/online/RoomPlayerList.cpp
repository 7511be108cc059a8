// SPDX-License-Identifier: MIT
#include "online/RoomPlayerList.h"

#include "online/RoomFiles.h"

namespace quorvane {

namespace {

constexpr std::chrono::seconds kKeptFor = std::chrono::hours(24);

}  // namespace

RoomPlayerList::RoomPlayerList(std::string room, std::string cachePath, Fetch fetch, Parse parse)
    : m_room(std::move(room)),
      m_cachePath(std::move(cachePath)),
      m_fetch(std::move(fetch)),
      m_parse(std::move(parse)) {}

bool RoomPlayerList::knowsAll(const std::vector<std::string>& ids) const {
    for (const std::string& id : ids) {
        if (m_players->count(id) == 0) {
            return false;
        }
    }
    return true;
}

std::optional<RoomReply> RoomPlayerList::fetchFromRoom() {
    m_askedRoom = true;
    Fetched fetched = m_fetch();
    if (fetched.reply.kind != RoomReply::Kind::Fresh) {
        return fetched.reply;
    }
    ParsedAnswer<RoomPlayerMap> parsed = m_parse(fetched.text);
    if (!parsed.value) {
        refuseAnswer(fetched.reply, m_room, "the list of players: " + parsed.problem);
        return fetched.reply;
    }
    m_players = std::move(parsed.value);
    if (!m_cachePath.empty()) {
        // A copy that cannot be kept costs only a request tomorrow.
        std::string ignored;
        writePrivateFile(m_cachePath, fetched.text, ignored);
    }
    return std::nullopt;
}

std::optional<RoomReply> RoomPlayerList::know(const std::vector<std::string>& ids) {
    if (!m_players && !m_cachePath.empty()) {
        if (const auto kept = readFreshFile(m_cachePath, kKeptFor, kRoomAnswerLimit)) {
            m_players = m_parse(*kept).value;
        }
    }
    if (!m_players || (!m_askedRoom && !knowsAll(ids))) {
        return fetchFromRoom();
    }
    return std::nullopt;
}

void RoomPlayerList::describe(RoomPick& pick) const {
    if (m_players) {
        if (const auto found = m_players->find(pick.playerId); found != m_players->end()) {
            pick.firstName = found->second.firstName;
            pick.lastName = found->second.lastName;
            pick.proTeam = found->second.proTeam;
            pick.position = found->second.position;
            return;
        }
    }
    pick.firstName.clear();
    pick.lastName = "player " + pick.playerId;
}

}  // namespace quorvane
