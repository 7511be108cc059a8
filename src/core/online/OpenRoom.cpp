// SPDX-License-Identifier: MIT
#include "online/OpenRoom.h"

#include "online/EspnCookies.h"
#include "online/EspnRoom.h"
#include "online/FantraxRoom.h"

namespace quorvane {

std::string roomLinkProblem(const RoomLink& link) {
    switch (link.kind) {
        case RoomKind::Espn:
            if (!isEspnLeagueId(link.id)) {
                return "the ESPN league id is digits only";
            }
            if (link.season < kFirstRoomSeason || link.season > kLastRoomSeason) {
                return "the ESPN season is a year from 1990 to 2100";
            }
            return {};
        case RoomKind::Fantrax:
            return isFantraxLeagueId(link.id) ? std::string()
                                              : "the Fantrax league id is letters and digits only";
        case RoomKind::Sleeper:
            break;
    }
    return isRoomDraftId(link.id) ? std::string() : "the Sleeper draft id is digits only";
}

std::unique_ptr<Room> openRoom(UrlTransfer& transfer, const RoomLink& link,
                               const RoomAccess& access) {
    switch (link.kind) {
        case RoomKind::Espn:
            return std::make_unique<EspnRoom>(
                transfer, link.id, link.season,
                access.dataFolder.empty() ? std::nullopt
                                          : loadDraftCookies(access.dataFolder, access.templateId),
                access.dataFolder);
        case RoomKind::Fantrax:
            return std::make_unique<FantraxRoom>(transfer, link.id, access.dataFolder);
        case RoomKind::Sleeper:
            break;
    }
    return std::make_unique<SleeperRoom>(transfer, link.id, sleeperBaseUrl(), access.now);
}

}  // namespace quorvane
