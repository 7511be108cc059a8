// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct DraftSettings;

// The nine kinds of roster slot, in the order the pick window offers them.
inline constexpr std::size_t kSlotKinds = 9;
inline constexpr std::array<std::string_view, kSlotKinds> kSlotKindNames = {
    "C", "G", "PG", "SG", "F", "PF", "SF", "UT", "R"};
// Slots of each kind on every team of the draft, in the order of kSlotKindNames.
using SlotCounts = std::array<int, kSlotKinds>;

// The index in kSlotKindNames of a slot as stored (any case); nullopt for another text ("NA").
std::optional<std::size_t> slotKindOf(std::string_view slot);
// The slots of kind `kind` (an index in kSlotKindNames) the draft gives every team.
int slotCountOf(const DraftSettings& settings, std::size_t kind);
int& slotCountOf(DraftSettings& settings, std::size_t kind);
// Roster slots that start: every kind but the reserves, written as stored.
bool isStartingSlot(const std::string& slot);

}  // namespace quorvane
