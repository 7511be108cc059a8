// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

class Connection;

// The id of the draft (table draftTemplate) with this id or this exact name; nullopt when
// there is none, or after a failed read was logged.
std::optional<int> draftIdWithId(Connection& connection, int templateId);
std::optional<int> draftIdNamed(Connection& connection, const std::string& templateName);

// How many drafts the file holds; nullopt after a failed read (logged).
std::optional<int> countDraftRows(Connection& connection);

}  // namespace quorvane
