// SPDX-License-Identifier: MIT
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/commands/RoomCommandParts.h"
#include "room/AdpColumns.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "room/Rosters.h"
#include "room/Turns.h"
#include "session/RoomRefresh.h"
#include "session/ShowMessage.h"
#include "session/ValuationConversation.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane::cli {

namespace {

struct PlayersOptions {
    std::string draft;
    std::string position = "All Players";
    std::string sort;
    std::string stats = "proj";
    bool inflation = false;
    bool advice = false;
};

// The position buttons' filter names, in any case.
std::optional<std::string> positionFilterOf(const std::string& text) {
    for (int index = 0; index < kPositionButtons; ++index) {
        const std::string name = positionName(index);
        if (lowerText(name) == lowerText(text)) {
            return name;
        }
    }
    return std::nullopt;
}

std::vector<std::string> positionFilterNames() {
    std::vector<std::string> names;
    for (int index = 0; index < kPositionButtons; ++index) {
        names.push_back(positionName(index));
    }
    return names;
}

// The headings a click on the grid sorts by: every shown column's.
std::vector<std::string> playerSortHeadings(const DraftSettings& draft, bool withAdp,
                                            bool withAdvice) {
    std::vector<std::string> headings = availablePlayerHeadings(draft, withAdp, withAdvice);
    std::erase_if(headings, [](const std::string& heading) {
        return heading == "playerid" || heading == "flag";
    });
    return headings;
}

int runPlayers(CliContext& context, const PlayersOptions& options) {
    if (options.stats != "proj" && options.stats != "prev") {
        return context.usageError("--stats must be proj or prev");
    }
    const auto position = positionFilterOf(options.position);
    if (!position) {
        return context.usageError("--position must be one of: " +
                                  joined(positionFilterNames(), ", "));
    }
    return context.withDraft(options.draft, [&] {
        ProgramState& state = context.state;
        const bool withAdp = seasonHasAdp(state.dbConnection, state.projectionYear);
        const std::vector<std::string> sortHeadings =
            playerSortHeadings(*state.draftSettings(), withAdp, options.advice);
        const bool knownSort = std::any_of(sortHeadings.begin(), sortHeadings.end(),
                                           [&options](const std::string& heading) {
                                               return lowerText(heading) == lowerText(options.sort);
                                           });
        if (!options.sort.empty() && !knownSort) {
            return context.usageError("--sort must be one of: " + joined(sortHeadings, ", "));
        }
        state.statsMode = options.stats == "proj" ? 0 : 1;
        state.showInflation = options.inflation;
        state.showAdvice = options.advice;
        PlayerListView list;
        list.positionFilter = *position;
        list.sortColumn = options.sort.empty()
                              ? 0
                              : availablePlayerColumn(*state.draftSettings(), options.sort, withAdp,
                                                      options.advice)
                                    .value_or(0);
        const RoomView view = refreshMain(state, context.dialogs, list);
        if (!view.availablePlayers) {
            return kExitFailed;
        }
        writeGrid(context, *view.availablePlayers);
        return kExitDone;
    });
}

struct ResearchOptions {
    std::string draft;
    bool available = false;
    bool taken = false;
    std::string sort = "NAME";
    std::string season = "proj";
};

int runResearch(CliContext& context, const ResearchOptions& options) {
    if (options.available == options.taken) {
        return context.usageError("research needs one of --available and --taken");
    }
    if (options.season != "proj" && options.season != "prev") {
        return context.usageError("--season must be proj or prev");
    }
    if (!isResearchSortKey(options.sort)) {
        return context.usageError("--sort must be one of: " + joined(researchSortKeys(), ", "));
    }
    // Valued first, as the window's refresh does: the stored figures may be another draft's.
    if (!context.loadDraftArgument(options.draft) ||
        !calcRoomValues(context.state, context.dialogs)) {
        return kExitFailed;
    }
    ProgramState& state = context.state;
    state.researchYear = options.season == "proj" ? state.projectionYear : state.projectionYear - 1;
    const auto grid =
        fillResearchGrid(state, options.available ? "AVAILABLE" : "TAKEN", options.sort);
    if (!grid) {
        context.dialogs.showMessage("Error", "The research list could not be read",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    writeGrid(context, *grid);
    return kExitDone;
}

int runRoster(CliContext& context, const std::string& draft, const std::string& team) {
    std::optional<int> teamid;
    if (!team.empty()) {
        teamid = parseId(team);
        if (!teamid) {
            return context.usageError("TEAMID must be a team id");
        }
    }
    return context.withDraft(draft, [&] {
        const auto& teams = context.state.draftSettings()->draftTeams;
        if (teamid && std::none_of(teams.begin(), teams.end(), [&teamid](const DraftTeam& known) {
                return known.teamid == *teamid;
            })) {
            context.dialogs.showMessage("Error", "No team with the id " + team + " in this draft",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        const RosterRead read = getTeamRoster(
            context.state, teamid.value_or(teamOnTheClock(*context.state.loadedDraft)));
        if (read.failure) {
            showMessage(context.dialogs, *read.failure);
        }
        const RosterGrid& roster = read.grid;
        writeRoster(context, roster);
        return CliContext::statusOf(roster.playersRead);
    });
}

int runMoney(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto lines = shown(context.dialogs, showTeamMoney(context.state));
        if (!lines) {
            return kExitFailed;
        }
        for (const MoneyLine& line : *lines) {
            context.writeCsv({line.caption});
        }
        return kExitDone;
    });
}

int runLog(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto log = fillDraftLog(context.state);
        if (!log) {
            context.dialogs.showMessage("Error", "The draft log could not be read",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        writeGrid(context, *log);
        return kExitDone;
    });
}

int runTurn(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const DraftSettings& settings = *context.state.draftSettings();
        context.writeCsv({"teamid", "teamname", "draftposition", "draftdirection"});
        const int teamid = teamOnTheClock(*context.state.loadedDraft);
        for (const DraftTeam& team : settings.draftTeams) {
            if (team.teamid == teamid) {
                context.writeCsv({std::to_string(team.teamid), team.teamname,
                                  std::to_string(team.draftposition), settings.draftdirection});
            }
        }
        return kExitDone;
    });
}

}  // namespace

std::optional<int> parseId(const std::string& text) {
    return parseWholeNumber(text, 0, 2147483647LL);
}

void writeGrid(CliContext& context, const GridTable& grid) {
    context.writeCsv(grid.headings);
    for (const auto& row : grid.rows) {
        context.writeCsv(row);
    }
}

void writeRoster(CliContext& context, const RosterGrid& roster) {
    std::vector<std::string> headings{""};
    headings.insert(headings.end(), roster.table.headings.begin(), roster.table.headings.end());
    context.writeCsv(headings);
    for (std::size_t r = 0; r < roster.table.rows.size(); ++r) {
        std::vector<std::string> cells{roster.rowHeaders[r]};
        cells.insert(cells.end(), roster.table.rows[r].begin(), roster.table.rows[r].end());
        context.writeCsv(cells);
    }
}

void addRoomViewCommands(CLI::App& app, CliContext& context) {
    auto* players = app.add_subcommand("players",
                                       "Refresh the draft room and print the "
                                       "available players as CSV");
    auto playersOptions = std::make_shared<PlayersOptions>();
    players->add_option("DRAFT", playersOptions->draft, "Draft id or name")->required();
    players->add_option("--position", playersOptions->position,
                        "Position filter: All Players, guards, pointguards, forwards, "
                        "powerforwards, centers, shootingguards, smallforwards");
    players->add_option("--sort", playersOptions->sort, "Heading of the column to sort by");
    players->add_option("--stats", playersOptions->stats, "proj or prev");
    players->add_flag("--inflation", playersOptions->inflation, "Dollar values with inflation");
    players->add_flag("--advice", playersOptions->advice,
                      "Add the pick advice for the team marked as yours: Gain, Z, Z$ and VONA "
                      "before the notes");
    players->callback(
        [&context, playersOptions] { context.exitCode = runPlayers(context, *playersOptions); });

    auto* research = app.add_subcommand("research", "Print the research grid as CSV");
    auto researchOptions = std::make_shared<ResearchOptions>();
    research->add_option("DRAFT", researchOptions->draft, "Draft id or name")->required();
    research->add_flag("--available", researchOptions->available, "Players still available");
    research->add_flag("--taken", researchOptions->taken, "Players on a team");
    research->add_option("--sort", researchOptions->sort, "Heading to sort by");
    research->add_option("--season", researchOptions->season, "proj or prev");
    research->callback(
        [&context, researchOptions] { context.exitCode = runResearch(context, *researchOptions); });

    auto* roster = app.add_subcommand("roster", "Print a team's roster grid as CSV");
    auto rosterDraft = std::make_shared<std::string>();
    auto rosterTeam = std::make_shared<std::string>();
    roster->add_option("DRAFT", *rosterDraft, "Draft id or name")->required();
    roster->add_option("TEAMID", *rosterTeam, "Team id (default: the team on the clock)");
    roster->callback([&context, rosterDraft, rosterTeam] {
        context.exitCode = runRoster(context, *rosterDraft, *rosterTeam);
    });

    const auto draftOnly = [&app, &context](const char* name, const char* help,
                                            int (*run)(CliContext&, const std::string&)) {
        auto* command = app.add_subcommand(name, help);
        auto draft = std::make_shared<std::string>();
        command->add_option("DRAFT", *draft, "Draft id or name")->required();
        command->callback([&context, draft, run] { context.exitCode = run(context, *draft); });
    };
    draftOnly("money", "Print the team money list, one line per entry", &runMoney);
    draftOnly("log", "Print the draft log as CSV", &runLog);
    draftOnly("turn", "Print the team on the clock as CSV", &runTurn);
}

void addRoomCommands(CLI::App& app, CliContext& context) {
    addRoomViewCommands(app, context);
    addRoomActionCommands(app, context);
}

}  // namespace quorvane::cli
