// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/NameFolding.h"

namespace quorvane {

struct DraftSession;

// An undrafted player the quick-pick box can offer.
struct QuickPickEntry {
    int playerid = 0;
    std::string label;  // "Stephen Curry (GSW, G) $48.20" or "... RK 9"
    double dollars = 0.0;
    int rank = 0;
    std::string foldedFirst;
    std::string foldedLast;
};

// Every player of the projection season that no team of the open draft holds. nullopt after a
// failed read, which is logged.
std::optional<std::vector<QuickPickEntry>> loadQuickPicks(DraftSession& session);

// The players whose last or first name (or "first last") starts with the typed text, best value
// first: in an auction by dollar value, otherwise by rank (players without a rank last), ties
// by name. At most `limit` of them, as indexes into `entries`.
std::vector<std::size_t> rankQuickPicks(const std::vector<QuickPickEntry>& entries,
                                        std::string_view typed, bool auction, std::size_t limit);

}  // namespace quorvane
