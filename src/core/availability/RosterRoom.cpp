// SPDX-License-Identifier: MIT
#include "availability/RosterRoom.h"

#include <string>

#include "room/SlotChoice.h"

namespace quorvane {

namespace {

std::uint16_t maskOf(const SlotCounts& counts) {
    std::uint16_t mask = 0;
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        if (counts[kind] > 0) {
            mask = static_cast<std::uint16_t>(mask | (1U << kind));
        }
    }
    return mask;
}

}  // namespace

SlotPreference slotPreferenceOf(const ModelPlayer& player) {
    std::vector<std::string> listed;
    for (std::size_t bit = 0; bit < kPositionNames.size(); ++bit) {
        if ((player.positions & (1U << bit)) != 0) {
            listed.emplace_back(kPositionNames[bit]);
        }
    }
    SlotPreference preference;
    for (const std::string& slot : eligibleSlots(player.pos, listed)) {
        const std::optional<std::size_t> kind = slotKindOf(slot);
        if (!kind || (preference.mask & (1U << *kind)) != 0) {
            continue;
        }
        preference.kinds[preference.count++] = static_cast<std::uint8_t>(*kind);
        preference.mask = static_cast<std::uint16_t>(preference.mask | (1U << *kind));
    }
    return preference;
}

std::optional<std::size_t> OpenSlots::firstOpen(const SlotPreference& preference) const {
    for (std::size_t i = 0; i < preference.count; ++i) {
        if (counts[preference.kinds[i]] > 0) {
            return preference.kinds[i];
        }
    }
    return std::nullopt;
}

void OpenSlots::fill(std::size_t kind) {
    if (--counts[kind] <= 0) {
        mask = static_cast<std::uint16_t>(mask & ~(1U << kind));
    }
}

std::vector<OpenSlots> openSlotsOf(const DraftModel& model) {
    std::vector<OpenSlots> open(model.teams.size());
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        open[t].counts = model.slotCounts();
        for (const ModelPick& pick : model.picks) {
            if (pick.teamid != model.teams[t].teamid) {
                continue;
            }
            if (const std::optional<std::size_t> kind = slotKindOf(pick.slot)) {
                --open[t].counts[*kind];
            }
        }
        open[t].mask = maskOf(open[t].counts);
    }
    return open;
}

}  // namespace quorvane
