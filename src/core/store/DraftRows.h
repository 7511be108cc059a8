// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/Connection.h"

namespace quorvane {

// One DraftPlayers row of any season, with the columns the draft model holds.
struct PlayerSeasonRow {
    int playerid = 0;
    int yearofprojection = 0;
    std::optional<std::string> stat_indicator;  // empty for a NULL
    std::string firstname;
    std::string lastname;
    std::string pos;
    // games, fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, blocks, turnovers,
    // doubledouble, tripledouble: the order of StatColumn.
    std::array<double, 15> stats{};
    std::int64_t PG = 0;
    std::int64_t SG = 0;
    std::int64_t SF = 0;
    std::int64_t PF = 0;
    std::int64_t C = 0;
    double dollars = 0.0;
    std::int64_t draftorder = 0;
    // What the player lists show besides the figures; empty for a NULL.
    std::optional<std::string> team;
    std::optional<std::string> dob;
    std::optional<std::string> notes;
    std::int64_t flag = 0;
    bool firstnameMissing = false;
    bool lastnameMissing = false;
    bool posMissing = false;
    std::int64_t rowid = 0;  // the order the file holds the rows in
};

// One DraftTaken row of a draft.
struct PickRow {
    int playerid = 0;
    int teamid = 0;
    std::optional<std::string> pos;  // the roster slot; empty for a NULL
    std::int64_t draftorder = 0;
    double dollars = 0.0;
};

// A value the valuation writes to one DraftPlayers row; only the figures given are written.
struct PlayerValueRow {
    int playerid = 0;
    int yearofprojection = 0;
    std::optional<double> dollars;
    std::optional<std::int64_t> draftorder;
};

// Every season's players, by playerid, then season. nullopt after the failure was logged.
std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRows(Connection& connection);
// One player's rows of every season, by season; likewise.
std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRowsOf(Connection& connection,
                                                                   int playerid);

// A draft's picks in the order they were recorded. nullopt after the failure was logged.
std::optional<std::vector<PickRow>> readPickRows(Connection& connection, int templateId);

// Writes each row's figures with one prepared statement per kind of change; the caller holds
// the transaction. False after the failing statement was logged.
bool writePlayerValues(Connection& connection, const std::vector<PlayerValueRow>& rows);

// The pick of one player in a draft; nullopt when nobody took him, or after a failed read was
// logged.
std::optional<PickRow> readPickOfPlayer(Connection& connection, int templateId, int playerid);

}  // namespace quorvane
