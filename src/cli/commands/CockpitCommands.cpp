// SPDX-License-Identifier: MIT
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/commands/RoomCommandParts.h"
#include "follow/RoomBanner.h"
#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/HistoryTable.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"
#include "room/SlotChoice.h"

namespace quorvane::cli {

namespace {

struct SlotOptions {
    std::string draft;
    std::string player;
    std::string team;
};

int runBoard(CliContext& context, const std::string& draft) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    const auto board = buildDraftBoard(context.state);
    if (!board) {
        context.dialogs.showMessage("Error", "The draft board could not be read",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    writeGrid(context, board->table);
    return kExitDone;
}

int runHistory(CliContext& context, const std::string& draft) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    const auto table = readTurnHistoryTable(context.state);
    if (!table) {
        context.dialogs.showMessage("Error", "The draft's turn history could not be read",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    writeGrid(context, *table);
    return kExitDone;
}

int runClock(CliContext& context, const std::string& draft) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    const auto picks = readDraftPicks(context.state);
    if (!picks) {
        context.dialogs.showMessage("Error", "The draft's picks could not be read",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    context.out << liveBanner(context.state, *picks) << '\n';
    return kExitDone;
}

// The slot the pick window would preselect, for the team it would preselect unless --team.
int runSlot(CliContext& context, const SlotOptions& options) {
    const auto playerid = parseId(options.player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    std::optional<int> teamid;
    if (!options.team.empty() && !(teamid = parseId(options.team))) {
        return context.usageError("--team must be a team id");
    }
    if (!context.loadDraftArgument(options.draft)) {
        return kExitFailed;
    }
    if (!showPlayer(context.state, *playerid)) {
        context.dialogs.showMessage("Error", "No player with the id " + options.player,
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    const TeamSelector teams = fillTeams(context.state, teamid);
    if (teamid && (teams.selected < 0 ||
                   teams.teams[static_cast<std::size_t>(teams.selected)].teamid != *teamid)) {
        return context.usageError("--team must be the id of a team of the draft");
    }
    const int chosenTeam =
        teams.selected < 0 ? 0 : teams.teams[static_cast<std::size_t>(teams.selected)].teamid;
    const auto slot = preselectSlot(context.state, *playerid, chosenTeam);
    if (!slot) {
        return kExitFailed;
    }
    context.out << slot->selectedText() << '\n';
    return kExitDone;
}

int runQuickPick(CliContext& context, const std::string& draft, const std::string& typed) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    const auto entries = loadQuickPicks(context.state);
    if (!entries) {
        return kExitFailed;
    }
    const bool auction = context.state.draftSettings->drafttype == kDraftTypeAuction;
    context.writeCsv({"playerid", "player"});
    for (const std::size_t index : rankQuickPicks(*entries, typed, auction, 12)) {
        const QuickPickEntry& entry = (*entries)[index];
        context.writeCsv({std::to_string(entry.playerid), entry.label});
    }
    return kExitDone;
}

}  // namespace

void addCockpitCommands(CLI::App& app, CliContext& context) {
    const auto draftOnly = [&app, &context](const char* name, const char* help,
                                            int (*run)(CliContext&, const std::string&)) {
        auto* command = app.add_subcommand(name, help);
        auto draft = std::make_shared<std::string>();
        command->add_option("DRAFT", *draft, "Draft id or name")->required();
        command->callback([&context, draft, run] { context.exitCode = run(context, *draft); });
    };
    draftOnly("board", "Print the draft board as CSV", &runBoard);
    draftOnly("clock", "Print the on-the-clock banner", &runClock);
    draftOnly("history", "Print the turn history (picks, skips, keepers, undos) as CSV",
              &runHistory);

    auto* slot = app.add_subcommand("slot", "Print the slot a pick of the player would preselect");
    auto slotOptions = std::make_shared<SlotOptions>();
    slot->add_option("DRAFT", slotOptions->draft, "Draft id or name")->required();
    slot->add_option("PLAYERID", slotOptions->player, "Player id")->required();
    slot->add_option("--team", slotOptions->team, "Team id (default: the team on the clock)");
    slot->callback([&context, slotOptions] { context.exitCode = runSlot(context, *slotOptions); });

    auto* quick = app.add_subcommand("quick-pick", "Rank the undrafted players a typed name finds");
    auto quickArguments = std::make_shared<std::pair<std::string, std::string>>();
    quick->add_option("DRAFT", quickArguments->first, "Draft id or name")->required();
    quick->add_option("TEXT", quickArguments->second, "Start of a last or first name")->required();
    quick->callback([&context, quickArguments] {
        context.exitCode = runQuickPick(context, quickArguments->first, quickArguments->second);
    });
}

}  // namespace quorvane::cli
