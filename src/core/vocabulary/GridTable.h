// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

struct Rgb {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    bool operator==(const Rgb&) const = default;
};

// What a grid shows, built by core and shown as it is by any front end: headings, rows of text
// cells, an optional background colour per row or per cell and the columns that stay hidden
// (ids).
struct GridTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::optional<Rgb>> rowColours;  // empty, or one entry per row
    // Empty, or one entry per row holding one per cell; a cell's own colour stands before its
    // row's.
    std::vector<std::vector<std::optional<Rgb>>> cellColours;
    std::vector<int> hiddenColumns;
    // Empty, or one per heading: what a heading's column holds where the heading alone cannot
    // say ("Age on 2026-12-07"); front ends show it as the heading's tip.
    std::vector<std::string> headingNotes;

    int columnIndex(const std::string& heading) const;
};

// The playerid a player list's row leads with; 0 for a row without one.
int playerIdOfCells(const std::vector<std::string>& cells);

}  // namespace quorvane
