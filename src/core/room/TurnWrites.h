// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "store/DraftRows.h"
#include "store/TurnHistoryRepository.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

class Connection;

// The log lines of the statements that move the turn; a pick and a skip number them apart.
struct TurnLogLines {
    std::string_view clearTurn;
    std::string_view setTurn;
    std::string_view directionUp;
    std::string_view directionDown;
};

// The standing history a writer found under its lock, with the rows of DraftTaken it was
// checked against.
struct StandingTurns {
    std::vector<HistoryEntry> standing;
    std::vector<PickRow> taken;
};

// The statements that move a draft's turn and its history, run inside the caller's transaction
// on a copy of the draft's settings that they keep in step with the tables. Each returns false
// (nullopt) after a failed statement, with the log line that names it in `failedLine` (empty
// when the failing step logged its own); nothing is shown to anyone, and the log line is not yet
// written: the caller writes it with the message it shows.
class TurnWrite {
  public:
    TurnWrite(Connection& connection, DraftSettings& draft)
        : m_connection(connection), m_draft(draft) {}

    // The standing history the tables call for (deriveHistory): a rebuilt one is stored in place
    // of the old, and in a draft no online room sets the turn of, the turn flags are put on the
    // team the history has on the clock. Sets the draft's turnNumber.
    std::optional<StandingTurns> reconcile();

    // Gives the turn to `turn`: turnNumber and, in a straight or snake draft, the flags and
    // direction of the team that picks then (nobody past the last turn). Writes only what
    // changes.
    bool putTurnOn(int turn, const TurnLogLines& lines);
    // Gives the turn flags to the team at `target`.
    bool moveTurnTo(const TurnPosition& target, const TurnLogLines& lines);
    // Takes the turn from every team of the draft (it is complete).
    bool clearTurn(std::string_view logLine);

    // Appends an entry; its stored id comes back.
    std::optional<std::int64_t> record(const HistoryEntry& entry);
    // Appends the undo of a standing entry, which stays as the record of what was taken back.
    bool takeBack(const HistoryEntry& entry);
    bool rewrite(const HistoryEntry& entry);
    // Deletes the player's row of DraftTaken (a pick or keeper taken back).
    bool deleteTaken(int playerid);

    Connection& connection() { return m_connection; }
    const DraftSettings& draft() const { return m_draft; }
    std::string_view failedLine() const { return m_failedLine; }

  private:
    bool fail(std::string_view line);
    bool storeDerived(const std::vector<HistoryEntry>& old, std::vector<HistoryEntry>& derived);

    Connection& m_connection;
    DraftSettings& m_draft;
    std::string_view m_failedLine;
};

// The lines of skip and undo for the draft's type.
const TurnLogLines& turnLines(const DraftSettings& draft);

inline constexpr std::string_view kHistoryReadFailed =
    " 60008 error: could not read the draft's turn history";
inline constexpr std::string_view kHistoryWriteFailed =
    " 60009 error: could not write the draft's turn history";

}  // namespace quorvane
