// SPDX-License-Identifier: MIT
#pragma once

namespace CLI {
class App;
}

namespace quorvane::cli {

class CliContext;

// Each adds its subsystem's commands to the program.
void addStoreCommands(CLI::App& app, CliContext& context);
void addDraftCommands(CLI::App& app, CliContext& context);
void addSetupCommand(CLI::App& app, CliContext& context);
void addProjectionCommands(CLI::App& app, CliContext& context);
void addTableImportCommand(CLI::App& app, CliContext& context);
void addValuationCommands(CLI::App& app, CliContext& context);
void addRoomCommands(CLI::App& app, CliContext& context);
void addCockpitCommands(CLI::App& app, CliContext& context);
void addServiceCommands(CLI::App& app, CliContext& context);
void addAdviceCommands(CLI::App& app, CliContext& context);
void addChartCommand(CLI::App& app, CliContext& context);
void addPathsCommand(CLI::App& app, CliContext& context);
void addFollowCommand(CLI::App& app, CliContext& context);
void addPracticeCommands(CLI::App& app, CliContext& context);
void addHScoreCommands(CLI::App& app, CliContext& context);
void addHostCommand(CLI::App& app, CliContext& context);

}  // namespace quorvane::cli
