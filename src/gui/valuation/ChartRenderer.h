// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane::gui {

// A chart drawn without a window, for the command line's `chart` command.
struct ChartRenderRequest {
    std::string kind;   // standings, targets or money
    std::string draft;  // id or name
    std::string outFile;
    std::string dataFolder;  // empty: the usual data folder
    bool includeReserves = false;
    bool replace = false;  // --force: an existing file is replaced
    int width = 1200;
    int height = 700;
};

// Opens the database, computes the chart's figures and writes it as a PNG file. Messages go to
// standard error as "Title: text". Exit status: 0 written, 1 failed, 2 wrong usage.
int renderChartFile(const ChartRenderRequest& request);

}  // namespace quorvane::gui
