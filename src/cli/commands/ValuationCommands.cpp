// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "session/ShowMessage.h"
#include "session/ValuationConversation.h"
#include "store/StoredPlayerRows.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "valuation/CategoryTargets.h"
#include "valuation/DollarValues.h"
#include "valuation/HeadToHeadStandings.h"
#include "valuation/Ranks.h"
#include "valuation/Standings.h"

namespace quorvane::cli {

namespace {

int runValues(CliContext& context, const std::string& draft, bool inflation) {
    return context.withDraft(draft, [&] {
        ProgramState& state = context.state;
        state.showInflation = inflation;
        // A rotisserie auction's dollar run writes no ranks, so the list would be ordered by the
        // ranks of whatever draft ran last; its ranks come from the same dollar values instead.
        const DraftSettings& settings = *state.draftSettings();
        const bool valued =
            shown(context.dialogs, settings.drafttype == kDraftTypeAuction &&
                                           settings.scoringstyle != kScoringRotisserie
                                       ? calcDollarValues(state, state.showInflation)
                                       : calcRanks(state, state.showInflation))
                .has_value();
        if (!valued) {
            return kExitFailed;
        }
        const auto players = readPlayerValueList(state.dbConnection, state.projectionYear);
        if (!players) {
            return kExitFailed;
        }
        context.writeCsv({"playerid", "firstname", "lastname", "dollars", "rank"});
        for (const PlayerValueListRow& player : *players) {
            context.writeCsv({std::to_string(player.playerid), player.firstname, player.lastname,
                              numberText(player.dollars),
                              player.draftorder ? std::to_string(*player.draftorder) : ""});
        }
        return kExitDone;
    });
}

struct StandingsOptions {
    std::string draft;
    bool reserves = false;
    bool raw = false;
    bool matchups = false;
    bool byCategory = false;
};

std::string figure(double value) {
    return numberText(value + 0.0);  // no "-0"
}

// Every ordered pair of teams, in draft order: the week's figures, or with byCategory each
// category's means, variances and chance.
void writeMatchups(CliContext& context, const DraftModel& model, const Matchups& matchups,
                   bool byCategory) {
    if (byCategory) {
        context.writeCsv({"team_a", "team_b", "symbol", "mean_a", "mean_b", "var_a", "var_b", "p"});
    } else {
        context.writeCsv({"team_a", "team_b", "expected_wins", "p_win"});
    }
    for (std::size_t a = 0; a < matchups.teamCount(); ++a) {
        for (std::size_t b = 0; b < matchups.teamCount(); ++b) {
            if (a == b) {
                continue;
            }
            const MatchupFigures figures = matchups.matchup(a, b);
            const std::string& nameA = model.teams[a].teamname;
            const std::string& nameB = model.teams[b].teamname;
            if (!byCategory) {
                context.writeCsv(
                    {nameA, nameB, figure(figures.expectedWins), figure(figures.weekWin)});
                continue;
            }
            for (std::size_t c = 0; c < model.categories.size(); ++c) {
                const CategoryWeek& weekA = matchups.week(a, c);
                const CategoryWeek& weekB = matchups.week(b, c);
                context.writeCsv({nameA, nameB,
                                  std::string(model.categories[c].definition->heading),
                                  figure(weekA.mean), figure(weekB.mean), figure(weekA.variance),
                                  figure(weekB.variance), figure(figures.chances[c])});
            }
        }
    }
}

int runHeadToHeadStandings(CliContext& context, const StandingsOptions& options) {
    const std::optional<OpenHeadToHead> open =
        shown(context.dialogs, openHeadToHead(context.state, context.state.includeReserves));
    if (!open) {
        return kExitFailed;
    }
    if (options.matchups || options.byCategory) {
        writeMatchups(context, *open->model, open->league->matchups(), options.byCategory);
        return kExitDone;
    }
    context.writeCsv({"team", "figure", "rank"});
    for (const HeadToHeadStanding& standing : open->league->standings()) {
        context.writeCsv(
            {standing.teamname, figure(standing.figure), std::to_string(standing.rank)});
    }
    return kExitDone;
}

int runStandings(CliContext& context, const StandingsOptions& options) {
    return context.withDraft(options.draft, [&] {
        const bool headToHead = context.state.draftSettings()->scoringstyle == kScoringHeadToHead;
        if ((options.matchups || options.byCategory) && (!headToHead || options.raw)) {
            return context.usageError(
                "--matchups and --by-category belong to a head-to-head league, without --raw");
        }
        const bool raw = options.raw;
        context.state.includeReserves = options.reserves;
        if (headToHead && !raw) {
            return runHeadToHeadStandings(context, options);
        }
        const auto grid = calcStandings(context.state, context.state.includeReserves, raw);
        if (!grid) {
            context.dialogs.showMessage("Error", "The standings could not be computed",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        if (!raw) {
            context.writeCsv(grid->headings);
            for (const auto& row : grid->rows) {
                context.writeCsv(row);
            }
            return kExitDone;
        }
        const auto entries = readStandings(context.state, context.state.includeReserves);
        if (!entries) {
            return kExitFailed;
        }
        context.writeCsv({"teamid", "teamname", "categoryid", "symbol", "points", "rank"});
        for (const StandingsEntry& entry : *entries) {
            context.writeCsv({std::to_string(entry.teamid), entry.teamname,
                              std::to_string(entry.categoryid), entry.symbol,
                              numberText(entry.points), numberText(entry.rank)});
        }
        return kExitDone;
    });
}

int runTargets(CliContext& context, const std::string& draft,
               const std::vector<std::string>& assignments) {
    return context.withDraft(draft, [&] {
        ProgramState& state = context.state;
        auto rows = showCategoryTargets(state, context.dialogs);
        if (!rows) {
            return kExitFailed;
        }
        if (!assignments.empty()) {
            // Rows not named keep their stored target, at full precision.
            std::vector<std::string> texts;
            for (const CategoryTarget& row : state.categoryTargets()) {
                texts.push_back(numberText(row.target));
            }
            for (const std::string& assignment : assignments) {
                const auto equals = assignment.find('=');
                if (equals == std::string::npos) {
                    return context.usageError("--set SYMBOL=VALUE, not \"" + assignment + "\"");
                }
                const std::string symbol = upperText(assignment.substr(0, equals));
                const auto row =
                    std::find_if(state.categoryTargets().begin(), state.categoryTargets().end(),
                                 [&](const CategoryTarget& target) {
                                     return upperText(target.symbol) == symbol;
                                 });
                if (row == state.categoryTargets().end()) {
                    return context.usageError("the draft has no category \"" +
                                              assignment.substr(0, equals) + "\"");
                }
                texts[static_cast<std::size_t>(row - state.categoryTargets().begin())] =
                    assignment.substr(equals + 1);
            }
            rows = saveCategoryTargets(state, context.dialogs, texts);
            if (!rows) {
                return kExitFailed;
            }
        }
        // A head-to-head league adds the user's chance against the league's average team.
        if (state.draftSettings()->scoringstyle == kScoringHeadToHead) {
            context.writeCsv({"symbol", "target", "actual", "difference", "chance"});
            for (const TargetRow& row : *rows) {
                context.writeCsv({row.symbol, row.target, row.actual, row.difference, row.chance});
            }
            return kExitDone;
        }
        context.writeCsv({"symbol", "target", "actual", "difference"});
        for (const TargetRow& row : *rows) {
            context.writeCsv({row.symbol, row.target, row.actual, row.difference});
        }
        return kExitDone;
    });
}

}  // namespace

void addValuationCommands(CLI::App& app, CliContext& context) {
    auto* values = app.add_subcommand(
        "values", "Value every player of the season for a draft and print them by rank as CSV");
    auto valuesDraft = std::make_shared<std::string>();
    auto inflation = std::make_shared<bool>(false);
    values->add_option("DRAFT", *valuesDraft, "Draft id or name")->required();
    values->add_flag("--inflation", *inflation, "Value the players left with the money left");
    values->callback([&context, valuesDraft, inflation] {
        context.exitCode = runValues(context, *valuesDraft, *inflation);
    });

    auto* standings =
        app.add_subcommand("standings", "Compute the projected standings and print them as CSV");
    auto standingsOptions = std::make_shared<StandingsOptions>();
    standings->add_option("DRAFT", standingsOptions->draft, "Draft id or name")->required();
    standings->add_flag("--reserves", standingsOptions->reserves, "Count the reserve picks");
    standings->add_flag("--raw", standingsOptions->raw,
                        "One line per team and category, unformatted");
    standings->add_flag("--matchups", standingsOptions->matchups,
                        "Head-to-head: every ordered pair of teams, "
                        "team_a,team_b,expected_wins,p_win");
    standings->add_flag("--by-category", standingsOptions->byCategory,
                        "Head-to-head: every pair and category, "
                        "team_a,team_b,symbol,mean_a,mean_b,var_a,var_b,p");
    standings->callback([&context, standingsOptions] {
        context.exitCode = runStandings(context, *standingsOptions);
    });

    auto* targets = app.add_subcommand(
        "targets", "Print the user's category targets against the team's projected totals");
    auto targetsDraft = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    targets->add_option("DRAFT", *targetsDraft, "Draft id or name")->required();
    targets->add_option("--set", *assignments, "SYMBOL=VALUE targets to save");
    targets->callback([&context, targetsDraft, assignments] {
        context.exitCode = runTargets(context, *targetsDraft, *assignments);
    });
}

}  // namespace quorvane::cli
