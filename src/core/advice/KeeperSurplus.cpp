// SPDX-License-Identifier: MIT
#include "advice/KeeperSurplus.h"

#include <algorithm>

namespace quorvane {

std::vector<KeeperSurplusRow> keeperSurplus(const DraftModel& model) {
    std::vector<KeeperSurplusRow> rows;
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        const ModelTeam& team = model.teams[t];
        const std::size_t first = rows.size();
        for (const ModelPlayer& player : model.players) {
            if (player.teamid != team.teamid || player.pickNumber != 0) {
                continue;
            }
            KeeperSurplusRow row;
            row.playerid = player.playerid;
            row.firstname = player.firstname;
            row.lastname = player.lastname;
            row.teamid = team.teamid;
            row.teamname = team.teamname;
            row.price = player.price;
            if (model.auction() || !model.pointsLeague()) {
                row.value = player.dollars;
            }
            if (model.auction()) {
                row.surplus = player.dollars - player.price;
            }
            rows.push_back(std::move(row));
        }
        std::sort(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.end(),
                  [](const KeeperSurplusRow& a, const KeeperSurplusRow& b) {
                      if (a.surplus != b.surplus) {
                          return a.surplus > b.surplus;
                      }
                      if (a.lastname != b.lastname) {
                          return a.lastname < b.lastname;
                      }
                      return a.firstname < b.firstname;
                  });
    }
    return rows;
}

}  // namespace quorvane
