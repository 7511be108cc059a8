// SPDX-License-Identifier: MIT
#include "practice/OpponentPicks.h"

#include "availability/AdpPositions.h"
#include "availability/PortableRandom.h"
#include "availability/RosterRoom.h"
#include "teamadvice/TeamAdvice.h"

namespace quorvane {

std::vector<double> practicePositions(const DraftModel& model, std::uint64_t seed) {
    const std::vector<double> positions = adpPositions(model);
    std::vector<double> noisy;
    noisy.reserve(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const auto playerid = static_cast<std::uint64_t>(model.players[i].playerid);
        const double z = normalFromBits(mixSeed(seed, playerid));
        noisy.push_back(positions[i] + adpSpreadAt(model, positions[i]) * z);
    }
    return noisy;
}

std::optional<std::size_t> opponentPick(const DraftModel& model, std::size_t team,
                                        const std::vector<double>& noisyPositions) {
    if (team >= model.teams.size()) {
        return std::nullopt;
    }
    const OpenSlots open = openSlotsOf(model)[team];
    const std::vector<double> positions = adpPositions(model);
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < model.players.size(); ++i) {
        const ModelPlayer& player = model.players[i];
        if (!player.available() || !open.canRoster(slotPreferenceOf(player))) {
            continue;
        }
        if (!best) {
            best = i;
            continue;
        }
        const std::size_t b = *best;
        const bool before =
            noisyPositions[i] != noisyPositions[b] ? noisyPositions[i] < noisyPositions[b]
            : positions[i] != positions[b]         ? positions[i] < positions[b]
                                                   : player.playerid < model.players[b].playerid;
        if (before) {
            best = i;
        }
    }
    return best;
}

std::optional<std::size_t> advicePick(const DraftModel& model, std::size_t team) {
    if (team >= model.teams.size()) {
        return std::nullopt;
    }
    const OpenSlots open = openSlotsOf(model)[team];
    const TeamAdvice advice(model, team);
    for (const AdviceRow& row : advice.rows()) {
        if (open.canRoster(slotPreferenceOf(model.players[row.player]))) {
            return row.player;
        }
    }
    return std::nullopt;
}

std::optional<std::string> openSlotFor(const DraftModel& model, std::size_t team,
                                       const ModelPlayer& player) {
    if (team >= model.teams.size()) {
        return std::nullopt;
    }
    const std::optional<std::size_t> kind =
        openSlotsOf(model)[team].firstOpen(slotPreferenceOf(player));
    return kind ? std::optional<std::string>(kSlotKindNames[*kind]) : std::nullopt;
}

}  // namespace quorvane
