// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace quorvane {
struct GridTable;
struct RosterGrid;
}  // namespace quorvane

namespace quorvane::cli {

class CliContext;

// The draft room's commands come in two groups: what the room shows, and what changes it.
void addRoomViewCommands(CLI::App& app, CliContext& context);
void addRoomActionCommands(CLI::App& app, CliContext& context);

// A grid as CSV: its headings, then its rows, every column included.
void writeGrid(CliContext& context, const GridTable& grid);
// A roster grid as CSV with the row header (the slot) as its first column.
void writeRoster(CliContext& context, const RosterGrid& roster);

// A whole number from the command line, or a usage error.
std::optional<int> parseId(const std::string& text);

}  // namespace quorvane::cli
