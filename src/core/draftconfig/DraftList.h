// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

struct DraftListEntry {
    int template_id = 0;
    std::string template_name;
    int practiceOf = 0;  // the draft a practice draft was copied from; 0 for a real draft
};

// How the lists show a draft: a practice draft's name carries " (practice)".
std::string draftListCaption(const DraftListEntry& entry);

// Every stored draft, oldest first, or the failure (its log line written).
Outcome<std::vector<DraftListEntry>> readDraftList(Connection& connection);

// "Open" without a draft chosen.
Message noDraftSelected();

}  // namespace quorvane
