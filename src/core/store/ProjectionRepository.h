// SPDX-License-Identifier: MIT
#pragma once

#include "store/Connection.h"
#include "store/ProjectionRow.h"

namespace quorvane {

// Writes parsed projection lines into DraftPlayers with statements prepared once for the
// whole import. Only the projection figures of an existing row change: its dollars, draft
// order, flag and notes belong to the user and stay.
class ProjectionWriter {
  public:
    explicit ProjectionWriter(Connection& connection);

    // False (logged) when a statement does not compile.
    bool prepare();

    enum class Outcome { Inserted, Updated, Failed };
    // Whether the player-season is already stored, when the caller knows it from what it
    // read before the transaction began; Unknown asks the database.
    enum class Presence { Unknown, Stored, Absent };
    // Inserts the player-season or updates it when it is present. A failure writes its
    // numbered log line (" 91000 …", " 91001 …" or " 91002 …").
    Outcome importLine(const ProjectionRow& row, Presence presence = Presence::Unknown);

  private:
    Connection& m_connection;
    PreparedStatement m_count;
    PreparedStatement m_insert;
    PreparedStatement m_update;
    SqlParams m_params;
};

// Writes the user's projection edits over the projection season's rows again, after new
// projections replaced them. Logs " 91002 error: could not update draftplayers with edits"
// on failure.
bool reapplyProjectionEdits(Connection& connection, int projectionYear);

// Every stored player-season with the columns a projection file carries; nullopt after a failed
// read (logged).
std::optional<std::vector<ProjectionRow>> readProjectionRows(Connection& connection);

// The revision dates the stored projections carry, each once, in text order; nullopt after a
// failed read (logged).
std::optional<std::vector<std::string>> readRevisionDates(Connection& connection);

// A large import touches far more pages than the default cache of 2 MiB holds; spilling them
// to the journal in the middle of the transaction costs more than the import.
void widenCacheForImport(Connection& connection);

// Registers players an import creates as custom players (table draftAdded), with a statement
// prepared once.
class AddedPlayerWriter {
  public:
    // False (logged) when the statement does not compile.
    bool prepare(Connection& connection);
    bool add(int playerid, const std::string& firstname, const std::string& lastname,
             const std::string& pos, const std::string& team, const std::string& addedOn);

  private:
    PreparedStatement m_insert;
};

// The number after every custom player's and every stored player's from `firstId` on, or
// `firstId` when there is none; nullopt after a failed read (logged).
std::optional<int> nextNewPlayerId(Connection& connection, int firstId);

}  // namespace quorvane
