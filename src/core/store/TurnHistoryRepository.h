// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class Connection;

enum class HistoryKind { Pick, Skip, Keeper, Undo };

// "pick", "skip", "keeper", "undo": the text the table stores and the history command prints.
std::string_view historyKindText(HistoryKind kind);

// One entry of a draft's turn history (table DraftHistory).
struct HistoryEntry {
    std::int64_t entryid = 0;  // 0 until stored
    HistoryKind kind = HistoryKind::Pick;
    int turn =
        0;  // the overall turn, skips counted (the sale number in an auction); 0 for a keeper
    int teamid = 0;    // who picked, kept, or whose turn was skipped
    int playerid = 0;  // 0 for a skip
    double dollars = 0.0;
    std::string pos;          // the roster slot the player fills
    std::int64_t undoes = 0;  // an undo: the entry it took back

    bool operator==(const HistoryEntry&) const = default;
};

// A history entry with the player's name of the projection season (empty when he has none).
struct HistoryLine {
    HistoryEntry entry;
    std::string firstname;
    std::string lastname;
};

// Every entry of the draft in the order it was written. nullopt after a failed read (logged).
std::optional<std::vector<HistoryEntry>> readTurnHistory(Connection& connection, int templateId);
// Only the picks, skips and keepers no undo took back: what a turn operation works from, read
// at a cost that does not grow with the undos of the draft.
std::optional<std::vector<HistoryEntry>> readStandingHistory(Connection& connection,
                                                             int templateId);
std::optional<std::vector<HistoryLine>> readHistoryLines(Connection& connection, int templateId,
                                                         int season);

// Whether the draft has ever been linked to an online room (whose clock then sets its turn).
std::optional<bool> isLinkedToRoom(Connection& connection, int templateId);

// The writers run inside the caller's transaction and return false after a logged failure.
// appendHistoryEntry gives back the id the insert generated.
std::optional<std::int64_t> appendHistoryEntry(Connection& connection, int templateId,
                                               const HistoryEntry& entry);
// Kind, turn, team, player, price and slot of a stored entry.
bool updateHistoryEntry(Connection& connection, const HistoryEntry& entry);
bool deleteHistoryEntries(Connection& connection, const std::vector<std::int64_t>& entryids);
bool clearTurnHistory(Connection& connection, int templateId);

}  // namespace quorvane
