// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

class Connection;

// The teams of a draft, whose turn it is and the draft's notes (tables DraftTeams, DraftTemplate,
// DraftNotes). Reads return nullopt and writers false after a failure the connection logged;
// writers run inside the caller's transaction.

// The team's name; an empty optional inside when there is no such team.
std::optional<std::optional<std::string>> readTeamName(Connection& connection, int teamid);

// Takes the turn from every team of the draft.
bool clearTurnFlags(Connection& connection, int templateId);
// Marks the team as the one on the clock (the others are cleared first by the caller).
bool setTurnFlag(Connection& connection, int templateId, int teamid);
// "U" or "D": which way the snake runs.
bool writeDraftDirection(Connection& connection, int templateId, const std::string& direction);

// The draft's notes; empty when it has none.
std::optional<std::string> readDraftNotes(Connection& connection, int templateId);
bool writeDraftNotes(Connection& connection, int templateId, const std::string& notes);
// The statements as the log lines of their failures quote them.
std::string_view draftNotesQueryText();
std::string_view draftNotesUpdateText();

}  // namespace quorvane
