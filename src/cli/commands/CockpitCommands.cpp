// SPDX-License-Identifier: MIT
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/commands/RoomCommandParts.h"
#include "room/AuctionBanner.h"
#include "room/ClockBanner.h"
#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/HistoryTable.h"
#include "room/MyTeam.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"
#include "room/SlotChoice.h"
#include "room/WatchList.h"
#include "session/LiveRoom.h"
#include "session/ShowMessage.h"
#include "valuation/CategoryTargets.h"
#include "valuation/Standings.h"

namespace quorvane::cli {

namespace {

struct SlotOptions {
    std::string draft;
    std::string player;
    std::string team;
};

int runBoard(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto board = buildDraftBoard(context.state);
        if (!board) {
            context.dialogs.showMessage("Error", "The draft board could not be read",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        writeGrid(context, board->table);
        return kExitDone;
    });
}

int runHistory(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto table = readTurnHistoryTable(context.state);
        if (!table) {
            context.dialogs.showMessage("Error", "The draft's turn history could not be read",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        writeGrid(context, *table);
        return kExitDone;
    });
}

std::optional<std::vector<DraftPick>> draftPicks(CliContext& context) {
    auto picks = readDraftPicks(context.state);
    if (!picks) {
        context.dialogs.showMessage("Error", "The draft's picks could not be read",
                                    MessageIcon::Critical);
    }
    return picks;
}

int runClock(CliContext& context, const std::string& draft, bool details) {
    return context.withDraft(draft, [&] {
        const auto picks = draftPicks(context);
        if (!picks) {
            return kExitFailed;
        }
        context.out << liveBanner(context.state, *picks) << '\n';
        if (details) {
            const std::string more =
                clockBannerDetails(*context.state.loadedDraft, *picks, bannerValues(context.state));
            if (!more.empty()) {
                context.out << more << '\n';
            }
        }
        return kExitDone;
    });
}

struct WatchOptions {
    std::string draft;
    std::string player;
    bool remove = false;
};

// Marks or unmarks a player, or lists the watched players with the team that took each.
int runWatch(CliContext& context, const WatchOptions& options) {
    std::optional<int> playerid;
    if (!options.player.empty() && !(playerid = parseId(options.player))) {
        return context.usageError("PLAYERID must be a player id");
    }
    if (options.remove && !playerid) {
        return context.usageError("--remove needs a PLAYERID");
    }
    return context.withDraft(options.draft, [&] {
        if (playerid) {
            if (!showPlayer(context.state, *playerid)) {
                context.dialogs.showMessage("Error", "No player with the id " + options.player,
                                            MessageIcon::Critical);
                return kExitFailed;
            }
            return CliContext::statusOf(
                shown(context.dialogs, setWatched(context.state, *playerid, !options.remove))
                    .has_value());
        }
        const auto players = readOpenWatchList(context.state);
        if (!players) {
            context.dialogs.showMessage("Error", "The watch list could not be read",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        GridTable grid = watchListGrid(*context.state.draftSettings(), *players);
        grid.hiddenColumns.clear();
        writeGrid(context, grid);
        return kExitDone;
    });
}

struct MyTeamOptions {
    std::string draft;
    std::string team;
    bool places = false;
};

// The "My Team" panel: the roster by slot, open slots included, or the category places after a
// standings run.
int runMyTeam(CliContext& context, const MyTeamOptions& options) {
    std::optional<int> teamid;
    if (!options.team.empty() && !(teamid = parseId(options.team))) {
        return context.usageError("--team must be a team id");
    }
    return context.withDraft(options.draft, [&] {
        ProgramState& state = context.state;
        const int team = teamid ? *teamid : myTeamId(state);
        if (team == 0) {
            return context.usageError("--team is needed: no team of the draft is yours");
        }
        const auto picks = draftPicks(context);
        if (!picks) {
            return kExitFailed;
        }
        std::vector<StandingsEntry> standings;
        if (options.places) {
            const auto run = calcStandings(state, state.includeReserves, true);
            const auto read = run ? readStandings(state, state.includeReserves) : std::nullopt;
            if (!read) {
                return kExitFailed;
            }
            standings = *read;
        }
        const MyTeamPanel panel = buildMyTeamPanel(*state.draftSettings(), team, *picks, standings);
        if (panel.teamname.empty()) {
            return context.usageError("--team must be the id of a team of the draft");
        }
        if (options.places) {
            context.writeCsv({"symbol", "place", "tied"});
            const auto write = [&context](const CategoryPlace& place) {
                context.writeCsv(
                    {place.symbol, std::to_string(place.place), place.tied ? "yes" : "no"});
            };
            if (panel.total) {
                write(*panel.total);
            }
            for (const CategoryPlace& place : panel.places) {
                write(place);
            }
            return kExitDone;
        }
        context.writeCsv({"slot", "playerid", "name", "pos", panel.auction ? "$" : "pick"});
        for (const RosterSlotLine& line : panel.roster) {
            context.writeCsv({line.slot, line.open() ? "" : std::to_string(line.playerid),
                              line.name, line.pos, line.paid});
        }
        return kExitDone;
    });
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
    return context.withDraft(options.draft, [&] {
        if (!showPlayer(context.state, *playerid)) {
            context.dialogs.showMessage("Error", "No player with the id " + options.player,
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        const TeamSelector teams =
            fillTeams(context.state, teamid ? teamid : nominatingTeamOf(context.state));
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
    });
}

int runQuickPick(CliContext& context, const std::string& draft, const std::string& typed) {
    return context.withDraft(draft, [&] {
        const auto entries = loadQuickPicks(context.state);
        if (!entries) {
            return kExitFailed;
        }
        const bool auction = context.state.draftSettings()->drafttype == kDraftTypeAuction;
        context.writeCsv({"playerid", "player"});
        for (const std::size_t index : rankQuickPicks(*entries, typed, auction, 12)) {
            const QuickPickEntry& entry = (*entries)[index];
            context.writeCsv({std::to_string(entry.playerid), entry.label});
        }
        return kExitDone;
    });
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
    draftOnly("history", "Print the turn history (picks, skips, keepers, undos) as CSV",
              &runHistory);

    auto* clock = app.add_subcommand("clock", "Print the on-the-clock banner");
    auto clockDraft = std::make_shared<std::string>();
    auto clockDetails = std::make_shared<bool>(false);
    clock->add_option("DRAFT", *clockDraft, "Draft id or name")->required();
    clock->add_flag("--details", *clockDetails,
                    "Also print what the banner's tooltip adds (an auction's last sale, money and "
                    "inflation)");
    clock->callback([&context, clockDraft, clockDetails] {
        context.exitCode = runClock(context, *clockDraft, *clockDetails);
    });

    auto* watch = app.add_subcommand(
        "watch", "Mark a player to watch in a draft, unmark him, or list the watched players");
    auto watchOptions = std::make_shared<WatchOptions>();
    watch->add_option("DRAFT", watchOptions->draft, "Draft id or name")->required();
    watch->add_option("PLAYERID", watchOptions->player, "Player id (none: list the watch list)");
    watch->add_flag("--remove", watchOptions->remove, "Unmark the player");
    watch->callback(
        [&context, watchOptions] { context.exitCode = runWatch(context, *watchOptions); });

    auto* myTeam = app.add_subcommand(
        "my-team", "Print a team's roster by slot (open slots included) or its category places");
    auto myTeamOptions = std::make_shared<MyTeamOptions>();
    myTeam->add_option("DRAFT", myTeamOptions->draft, "Draft id or name")->required();
    myTeam->add_option("--team", myTeamOptions->team, "Team id (default: yours)");
    myTeam->add_flag("--places", myTeamOptions->places,
                     "Print the team's place in the projected standings per category");
    myTeam->callback(
        [&context, myTeamOptions] { context.exitCode = runMyTeam(context, *myTeamOptions); });

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
