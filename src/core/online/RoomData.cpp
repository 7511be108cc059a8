// SPDX-License-Identifier: MIT
#include "online/RoomData.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace quorvane {

std::string roomKindKey(RoomKind kind) {
    switch (kind) {
        case RoomKind::Espn:
            return "espn";
        case RoomKind::Fantrax:
            return "fantrax";
        case RoomKind::Sleeper:
            break;
    }
    return "sleeper";
}

std::string roomKindName(RoomKind kind) {
    switch (kind) {
        case RoomKind::Espn:
            return "ESPN";
        case RoomKind::Fantrax:
            return "Fantrax";
        case RoomKind::Sleeper:
            break;
    }
    return "Sleeper";
}

std::optional<RoomKind> roomKindOfKey(std::string_view key) {
    for (const RoomKind kind : {RoomKind::Sleeper, RoomKind::Espn, RoomKind::Fantrax}) {
        if (key == roomKindKey(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string RoomLink::title() const {
    return roomKindName(kind) + (kind == RoomKind::Sleeper ? " draft " : " league ") + id;
}

std::string roomTeamLabel(RoomKind kind, const RoomTeam& team) {
    const std::string word = kind == RoomKind::Sleeper ? "roster" : "team";
    const std::string number = word + " " + std::to_string(team.number);
    if (team.name.empty()) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(number[0]))) +
               number.substr(1);
    }
    return kind == RoomKind::Fantrax ? team.name : team.name + " (" + number + ")";
}

std::vector<int> RoomDraft::listedTeams() const {
    std::vector<int> listed;
    for (const RoomTeam& team : teamList) {
        listed.push_back(team.number);
    }
    if (listed.empty()) {
        std::copy_if(order.begin(), order.end(), std::back_inserter(listed),
                     [](int team) { return team != 0; });
    }
    std::sort(listed.begin(), listed.end());
    listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
    return listed;
}

std::string RoomPick::fullName() const {
    if (firstName.empty()) {
        return lastName;
    }
    return lastName.empty() ? firstName : firstName + " " + lastName;
}

}  // namespace quorvane
