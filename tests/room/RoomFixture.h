// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "support/TestProgram.h"
#include "vocabulary/GridTable.h"

namespace quorvane::test {

struct PlayerRow {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string pos = "G";
    std::string team = "BOS";
    int year = 2019;
    int games = 70;
    int fgm = 0;
    int fga = 0;
    int ftm = 0;
    int fta = 0;
    int pt3m = 0;
    int pt3a = 0;
    int oreb = 0;
    int dreb = 0;
    int assists = 0;
    int turnovers = 0;
    double dollars = 0.0;
    int draftorder = 0;
};

// A test program with one draft open and a few helpers to shape it.
struct RoomFixture : TestProgram {
    RoomFixture(int teams, int drafttype, bool rotisserie = true);

    int draftId = 0;

    void addPlayer(const PlayerRow& row);
    // Slot counts in the order C, G, PG, SG, F, PF, SF, UT, R.
    void setRoster(int c, int g, int pg, int sg, int f, int pf, int sf, int ut, int r);
    void setMoney(double cap, double minbid);
    void reload();
    int teamAt(int draftposition) const;
    // Draft position and direction of the team on the clock, as stored, e.g. "3U".
    std::string storedTurn();
    // Draft position and direction of the team on the clock in memory.
    std::string memoryTurn() const;
    long long picks() { return static_cast<long long>(scalar("select count(*) from DraftTaken")); }
};

// The cells of the column with the heading, top to bottom ("?" for each when it is missing).
inline std::vector<std::string> column(const GridTable& grid, const std::string& heading) {
    const int at = grid.columnIndex(heading);
    std::vector<std::string> cells;
    for (const auto& row : grid.rows) {
        cells.push_back(at < 0 ? "?" : row[static_cast<std::size_t>(at)]);
    }
    return cells;
}

}  // namespace quorvane::test
