// SPDX-License-Identifier: MIT
#include "room/SlotChoice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "model/DraftSession.h"
#include "room/RecordPick.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "text/LetterCase.h"
#include "vocabulary/Positions.h"

namespace quorvane {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

}  // namespace

std::vector<std::string> eligibleSlots(const std::string& pos,
                                       const std::vector<std::string>& listed) {
    std::vector<std::string> slots;
    const auto add = [&slots](const std::string& slot) {
        if (!slot.empty() && !contains(slots, slot)) {
            slots.push_back(slot);
        }
    };
    const std::string natural = upperText(pos);
    add(natural);
    for (const std::string& other : listed) {
        add(other);
    }
    const auto any = [&](std::initializer_list<const char*> group) {
        return std::any_of(group.begin(), group.end(),
                           [&](const char* p) { return natural == p || contains(listed, p); });
    };
    if (any({"G", "PG", "SG"})) {
        add("G");
    }
    if (any({"F", "SF", "PF"})) {
        add("F");
    }
    add("UT");
    add("R");
    return slots;
}

PositionChoice putEligibleSlotsFirst(PositionChoice choice,
                                     const std::vector<std::string>& eligible) {
    const std::string selected = choice.selectedText();
    std::vector<std::string> ordered;
    for (const std::string& slot : eligible) {
        if (contains(choice.positions, slot) && !contains(ordered, slot)) {
            ordered.push_back(slot);
        }
    }
    const auto playerSlots = static_cast<int>(ordered.size());
    for (const std::string& slot : choice.positions) {
        if (!contains(ordered, slot)) {
            ordered.push_back(slot);
        }
    }
    choice.positions = std::move(ordered);
    choice.playerSlots = playerSlots < static_cast<int>(choice.positions.size()) ? playerSlots : 0;
    const auto found = std::find(choice.positions.begin(), choice.positions.end(), selected);
    choice.selected = found == choice.positions.end()
                          ? choice.selected
                          : static_cast<int>(found - choice.positions.begin());
    return choice;
}

std::optional<PositionChoice> preselectSlot(DraftSession& session, int playerid, int teamid) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *session.draftSettings();
    const auto player = readPlayerCard(session.dbConnection, session.projectionYear, playerid);
    if (!player) {
        session.dbConnection.log().writeEntry(
            " 50020 error: could not read the player's positions");
        return std::nullopt;
    }
    if (!*player) {
        return fillPosition(session, playerid);
    }
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < kPositionNames.size(); ++i) {
        if ((*player)->positions[i] > 0) {
            listed.emplace_back(kPositionNames[i]);
        }
    }
    const auto used = readSlotUseWithout(session.dbConnection, draft.template_id, teamid, playerid);
    if (!used) {
        session.dbConnection.log().writeEntry(" 50021 error: could not count the team's slots");
        return std::nullopt;
    }
    std::map<std::string, std::int64_t> filled;
    for (const SlotUse& use : *used) {
        filled[use.slot] = use.players;
    }
    const std::vector<std::string> eligible = eligibleSlots((*player)->pos, listed);
    for (const std::string& slot : eligible) {
        const std::optional<int> room = slotCount(draft, slot);
        if (room && *room > filled[slot]) {
            return putEligibleSlotsFirst(choosePosition(draft, slot), eligible);
        }
    }
    return putEligibleSlotsFirst(fillPosition(session, playerid), eligible);
}

}  // namespace quorvane
