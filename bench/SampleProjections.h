// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

struct ProgramState;

// A plain loader of the sample projection file for the benchmarks: every line straight into
// DraftPlayers, without the checks and edits of the real import. Returns the rows loaded, or -1.
long long loadSampleProjections(ProgramState& state, const std::string& path);

// The sample file: $QUORVANE_PROJECTIONS_CSV, else projections-2019.csv in the data folder.
std::string sampleProjectionsPath();

}  // namespace quorvane
