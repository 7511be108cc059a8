// SPDX-License-Identifier: MIT
#include "availability/AvailabilityColumns.h"

#include <array>

#include <fmt/format.h>

#include "availability/TurnSequence.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::array<const char*, 3> kHeadings = {"Avail", "Avail 2", "xVONA"};

std::string percentOf(const std::optional<double>& share) {
    return share ? fmt::format("{:.0f}%", *share * 100.0 + 0.0) : std::string();
}

}  // namespace

AvailabilityShown availabilityShown(const DraftModel& model, const AvailabilityFigures& figures,
                                    std::string key) {
    AvailabilityShown shown;
    shown.key = std::move(key);
    for (std::size_t i = 0; i < model.players.size() && i < figures.players.size(); ++i) {
        if (model.players[i].available()) {
            shown.players.emplace(model.players[i].playerid, figures.players[i]);
        }
    }
    return shown;
}

std::string availabilityKey(const DraftModel& model) {
    std::string key = fmt::format("{}:{}:{}:{}", model.template_id(), turnOnTheClock(model),
                                  model.adpSpread, model.picks.size());
    for (const ModelTeam& team : model.teams) {
        key += team.onClock ? fmt::format(":{}{}", team.teamid, model.direction()) : "";
        key += team.mine ? fmt::format(":m{}", team.teamid) : "";
    }
    for (const ModelPick& pick : model.picks) {
        key += fmt::format(";{}-{}-{}", pick.playerid, pick.teamid, pick.slot);
    }
    return key;
}

std::vector<std::string> availabilityHeadings() {
    return {kHeadings.begin(), kHeadings.end()};
}

void addAvailabilityColumns(GridTable& grid, const AvailabilityShown* shown) {
    const std::size_t at = grid.headings.size();
    grid.headings.insert(grid.headings.end(), kHeadings.begin(), kHeadings.end());
    for (std::vector<std::string>& cells : grid.rows) {
        PlayerAvailability figures;
        if (shown != nullptr) {
            if (const auto found = shown->players.find(playerIdOfCells(cells));
                found != shown->players.end()) {
                figures = found->second;
            }
        }
        std::string avail = percentOf(figures.avail);
        if (figures.avail && *figures.avail < kLikelyGone) {
            avail += kLikelyGoneMark;
        }
        const std::array<std::string, 3> texts = {avail, percentOf(figures.avail2),
                                                  twoDecimalsOrEmpty(figures.xvona)};
        cells.resize(at);
        cells.insert(cells.end(), texts.begin(), texts.end());
    }
}

}  // namespace quorvane
