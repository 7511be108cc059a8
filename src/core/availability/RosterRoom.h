// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The slot kinds (indices into kSlotKindNames) a player may fill, in the order the pick window
// prefers them: his own position, his other listed positions, G or F, UT, then R.
struct SlotPreference {
    std::array<std::uint8_t, kSlotKinds> kinds{};
    std::uint8_t count = 0;
    std::uint16_t mask = 0;  // bit k for kind k
};
SlotPreference slotPreferenceOf(const ModelPlayer& player);

// The slots of each kind a team has still open, and which kinds have any.
struct OpenSlots {
    SlotCounts counts{};
    std::uint16_t mask = 0;

    bool canRoster(const SlotPreference& preference) const { return (preference.mask & mask) != 0; }
    // The first slot the player may fill that is open (the one the pick window preselects).
    std::optional<std::size_t> firstOpen(const SlotPreference& preference) const;
    void fill(std::size_t kind);
};

// Per team (by index into model.teams): the draft's slots less those its picks fill. A pick in
// a slot the draft does not have ("NA") fills none.
std::vector<OpenSlots> openSlotsOf(const DraftModel& model);

}  // namespace quorvane
