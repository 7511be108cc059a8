// SPDX-License-Identifier: MIT
#include "room/HistoryTable.h"

#include <set>

#include "model/DraftSession.h"
#include "room/RoomValues.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

std::string teamName(const DraftSettings& draft, int teamid) {
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return {};
}

std::string numberOrBlank(int value) {
    return value > 0 ? std::to_string(value) : std::string();
}

}  // namespace

GridTable turnHistoryTable(const DraftSettings& draft, const std::vector<HistoryLine>& lines) {
    GridTable table;
    table.headings = {"entry",    "turn",   "round",   "pick", "kind",   "teamid",    "team",
                      "playerid", "player", "dollars", "slot", "undoes", "taken back"};
    std::set<std::int64_t> takenBack;
    for (const HistoryLine& line : lines) {
        if (line.entry.kind == HistoryKind::Undo) {
            takenBack.insert(line.entry.undoes);
        }
    }
    const bool rounds = draft.drafttype != kDraftTypeAuction;
    for (const HistoryLine& line : lines) {
        const HistoryEntry& entry = line.entry;
        const bool hasTurn = entry.turn > 0;
        const TurnSlot slot =
            hasTurn ? turnSlot(draft.drafttype, draft.teams, entry.turn) : TurnSlot{};
        std::string player =
            line.firstname.empty() ? line.lastname : line.firstname + " " + line.lastname;
        table.rows.push_back(
            {std::to_string(entry.entryid), numberOrBlank(entry.turn),
             rounds ? numberOrBlank(slot.round) : std::string(),
             rounds ? numberOrBlank(slot.pick) : std::string(),
             std::string(historyKindText(entry.kind)), numberOrBlank(entry.teamid),
             teamName(draft, entry.teamid), numberOrBlank(entry.playerid), std::move(player),
             entry.playerid > 0 ? formatPrice(entry.dollars, priceDecimals(draft)) : std::string(),
             entry.pos, entry.undoes > 0 ? std::to_string(entry.undoes) : std::string(),
             takenBack.count(entry.entryid) != 0 ? "yes" : ""});
    }
    return table;
}

std::optional<GridTable> readTurnHistoryTable(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const auto lines = readHistoryLines(session.dbConnection, session.draftSettings()->template_id,
                                        session.projectionYear);
    if (!lines) {
        session.dbConnection.log().writeEntry(
            " 60008 error: could not read the draft's turn history");
        return std::nullopt;
    }
    return turnHistoryTable(*session.draftSettings(), *lines);
}

}  // namespace quorvane
