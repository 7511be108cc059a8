// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

class Connection;

// Short texts that change whenever what they cover changes, so a window can tell another
// program's writes from none without reading everything again.
enum class ChangeStamp {
    Draft,          // everything of one draft a user or the room changes
    Players,        // which players there are
    PlayerFigures,  // their figures, flags, notes and edits
};

// nullopt after a failed read (logged). `templateId` counts for ChangeStamp::Draft only.
std::optional<std::string> readChangeStamp(Connection& connection, ChangeStamp stamp,
                                           int templateId = 0);

}  // namespace quorvane
