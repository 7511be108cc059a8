// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

class Connection;

// A draft named by the user: its id, or the text that says none was found.
struct DraftLookup {
    std::optional<int> templateId;
    std::string problem;
};

// A whole number names a draft by id first; anything else, or an id no draft has, is taken as
// the draft's name (trailing blanks dropped, as a name is stored without them).
DraftLookup findDraftByIdOrName(Connection& connection, const std::string& draft);

}  // namespace quorvane
