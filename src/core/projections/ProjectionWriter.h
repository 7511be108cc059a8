// SPDX-License-Identifier: MIT
#pragma once

#include "projections/ProjectionRow.h"
#include "store/Connection.h"

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

}  // namespace quorvane
