// SPDX-License-Identifier: MIT
#include "room/QuickPick.h"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "model/DraftSession.h"
#include "room/RoomValues.h"
#include "store/DraftPlayerRepository.h"

namespace quorvane {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::vector<QuickPickEntry>> loadQuickPicks(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *session.draftSettings();
    const auto players =
        readFreePlayers(session.dbConnection, session.projectionYear, draft.template_id);
    if (!players) {
        session.dbConnection.log().writeEntry(" 90011 error: could not fill the quick-pick list");
        return std::nullopt;
    }
    const bool auction = draft.drafttype == kDraftTypeAuction;
    std::vector<QuickPickEntry> entries;
    entries.reserve(players->size());
    for (const FreePlayerRow& player : *players) {
        QuickPickEntry entry;
        entry.playerid = player.playerid;
        const std::string first = player.firstname.value_or(std::string());
        const std::string last = player.lastname.value_or(std::string());
        entry.dollars = player.dollars;
        entry.rank = player.rank;
        entry.label =
            (first.empty() ? last : first + " " + last) + " (" + player.team + ", " + player.pos +
            ") " + (auction ? formatMoney(entry.dollars, 2) : "RK " + std::to_string(entry.rank));
        entry.foldedFirst = foldName(first);
        entry.foldedLast = foldName(last);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<std::size_t> rankQuickPicks(const std::vector<QuickPickEntry>& entries,
                                        std::string_view typed, bool auction, std::size_t limit) {
    std::string wanted = foldName(typed);
    while (!wanted.empty() && wanted.front() == ' ') {
        wanted.erase(0, 1);
    }
    std::vector<std::size_t> found;
    if (wanted.empty()) {
        return found;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QuickPickEntry& entry = entries[i];
        if (startsWith(entry.foldedLast, wanted) || startsWith(entry.foldedFirst, wanted) ||
            startsWith(entry.foldedFirst + " " + entry.foldedLast, wanted)) {
            found.push_back(i);
        }
    }
    const auto better = [&](std::size_t a, std::size_t b) {
        const QuickPickEntry& x = entries[a];
        const QuickPickEntry& y = entries[b];
        if (auction && x.dollars != y.dollars) {
            return x.dollars > y.dollars;
        }
        if (!auction && x.rank != y.rank) {
            // A player without a rank (0) comes after every ranked one.
            return y.rank <= 0 || (x.rank > 0 && x.rank < y.rank);
        }
        return std::tie(x.foldedLast, x.foldedFirst) < std::tie(y.foldedLast, y.foldedFirst);
    };
    std::stable_sort(found.begin(), found.end(), better);
    if (found.size() > limit) {
        found.resize(limit);
    }
    return found;
}

}  // namespace quorvane
