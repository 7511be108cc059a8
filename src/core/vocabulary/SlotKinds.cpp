// SPDX-License-Identifier: MIT
#include "vocabulary/SlotKinds.h"

#include <algorithm>
#include <cctype>

#include "vocabulary/DraftSettings.h"

namespace quorvane {

std::optional<std::size_t> slotKindOf(std::string_view slot) {
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        const std::string_view name = kSlotKindNames[kind];
        if (slot.size() == name.size() &&
            std::equal(slot.begin(), slot.end(), name.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return kind;
        }
    }
    return std::nullopt;
}

namespace {

// The settings' count of each slot kind, in the order of kSlotKindNames.
constexpr std::array<int DraftSettings::*, kSlotKinds> kSlotCountFields = {
    &DraftSettings::C,  &DraftSettings::G,  &DraftSettings::PG,
    &DraftSettings::SG, &DraftSettings::F,  &DraftSettings::PF,
    &DraftSettings::SF, &DraftSettings::UT, &DraftSettings::R};

}  // namespace

int slotCountOf(const DraftSettings& settings, std::size_t kind) {
    return settings.*kSlotCountFields[kind];
}

int& slotCountOf(DraftSettings& settings, std::size_t kind) {
    return settings.*kSlotCountFields[kind];
}

bool isStartingSlot(const std::string& slot) {
    return slot != "R" &&
           std::find(kSlotKindNames.begin(), kSlotKindNames.end(), slot) != kSlotKindNames.end();
}

}  // namespace quorvane
