// SPDX-License-Identifier: MIT
#include "SampleProjections.h"

#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/ProgramState.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

std::vector<std::string> splitLine(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

long long loadSampleProjections(ProgramState& state, const std::string& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        return -1;
    }
    TransactionGuard transaction(state.dbConnection);
    PreparedStatement insert;
    // Fields 25 and 26 of a line are unused.
    if (!insert.prepare(state.dbConnection,
                        "insert or replace into DraftPlayers (playerid, stat_indicator, "
                        "yearofprojection, firstname, lastname, pos, team, dob, games, minutes, "
                        "fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, blocks, "
                        "turnovers, doubledouble, tripledouble, revisiondate, PG, SG, PF, SF, C) "
                        "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")) {
        return -1;
    }
    long long rows = 0;
    while (std::getline(file, line)) {
        const std::vector<std::string> fields = splitLine(line);
        if (fields.size() < 32) {
            continue;
        }
        SqlParams params;
        for (std::size_t i = 0; i < 32; ++i) {
            if (i == 25 || i == 26) {
                continue;
            }
            const bool text = i == 1 || (i >= 3 && i <= 7) || i == 24;
            if (text) {
                params.emplace_back(fields[i]);
            } else {
                params.emplace_back(static_cast<std::int64_t>(std::atoll(fields[i].c_str())));
            }
        }
        if (!insert.run(params)) {
            return -1;
        }
        ++rows;
    }
    return transaction.commit() ? rows : -1;
}

std::string sampleProjectionsPath() {
    if (const char* path = std::getenv("QUORVANE_PROJECTIONS_CSV")) {
        return path;
    }
    return std::string(QUORVANE_SOURCE_DATA_DIR) + "/projections-2019.csv";
}

}  // namespace quorvane
