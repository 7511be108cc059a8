// SPDX-License-Identifier: MIT
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include "cli/CheckedOption.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeReport.h"
#include "practice/PracticeRun.h"
#include "session/PracticeConversation.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "text/NumberText.h"
#include "valuation/Ranks.h"

namespace quorvane::cli {

namespace {

std::string dollars(double value) {
    return numberText(value + 0.0);
}

struct MockOptions {
    std::string draft;
    std::string name;
    std::optional<std::string> seed;
    bool fromNow = false;
    std::string bots = "mix";
};

std::optional<std::uint64_t> seedOption(const std::optional<std::string>& text,
                                        std::string& problem, bool& bad) {
    bad = false;
    if (!text) {
        return std::nullopt;
    }
    const std::optional<double> seed = checkedOption("--seed", *text, kSeedRange, true, problem);
    bad = !seed;
    return seed ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(*seed)) : std::nullopt;
}

int runMock(CliContext& context, const MockOptions& options) {
    std::string problem;
    bool bad = false;
    const std::optional<std::uint64_t> seed = seedOption(options.seed, problem, bad);
    if (bad) {
        return context.usageError(problem);
    }
    const std::optional<BotMix> bots = botMixNamed(options.bots);
    if (!bots) {
        return context.usageError("--bots: " + options.bots + " is not adp, g, h or mix");
    }
    return context.withDraft(options.draft, [&] {
        const PracticeChoice choice{context.state.draftSettings()->template_id, options.name, seed,
                                    options.fromNow, *bots};
        const std::optional<int> practice =
            shown(context.dialogs, createPractice(context.state, choice));
        if (!practice) {
            return kExitFailed;
        }
        context.out << *practice << '\n';
        return kExitDone;
    });
}

struct MockRunOptions {
    std::string practice;
    bool toMine = false;
    bool toEnd = false;
    std::vector<std::string> bids;
    std::optional<int> nominate;
};

// "PLAYERID=DOLLARS" pairs; a usage problem names the first that is not one.
std::optional<std::map<int, double>> readBids(const std::vector<std::string>& bids,
                                              std::string& problem) {
    std::map<int, double> limits;
    for (const std::string& bid : bids) {
        const auto equals = bid.find('=');
        const std::optional<int> playerid =
            equals == std::string::npos ? std::nullopt
                                        : parseWholeNumber(bid.substr(0, equals), 1, 2147483647LL);
        if (!playerid) {
            problem = "--bid takes PLAYERID=DOLLARS: " + bid;
            return std::nullopt;
        }
        const std::optional<double> limit =
            checkedOption("--bid", bid.substr(equals + 1), kBidLimitRange, true, problem);
        if (!limit) {
            return std::nullopt;
        }
        limits[*playerid] = *limit;
    }
    return limits;
}

std::string stopText(PracticeStop stop) {
    switch (stop) {
        case PracticeStop::UsersTurn:
            return "You are on the clock.";
        case PracticeStop::UsersNomination:
            return "It is your turn to nominate a player (mock-run --nominate PLAYERID).";
        case PracticeStop::DraftOver:
            return "The practice draft is complete.";
        case PracticeStop::UsersLimit:
        case PracticeStop::PickLimit:
        case PracticeStop::Stopped:
        case PracticeStop::Failed:
            break;
    }
    return {};
}

int runMockRun(CliContext& context, const MockRunOptions& options) {
    if (options.toMine && options.toEnd) {
        return context.usageError("give --to-mine or --to-end, not both");
    }
    std::string problem;
    const std::optional<std::map<int, double>> limits = readBids(options.bids, problem);
    if (!limits) {
        return context.usageError(problem);
    }
    return context.withDraft(options.practice, [&] {
        PracticeRunOptions run;
        run.toEnd = options.toEnd;
        run.userLimits = *limits;
        run.nomination = options.nominate;
        context.writeCsv({"pick", "teamid", "team", "playerid", "player", "slot", "price"});
        const PracticeRunResult result = runPracticeTold(
            context.state, context.dialogs, run, nullptr, [&context](const PracticePick& pick) {
                context.writeCsv({std::to_string(pick.pickNumber), std::to_string(pick.teamid),
                                  pick.teamname, std::to_string(pick.playerid), pick.player,
                                  pick.slot, dollars(pick.price)});
            });
        if (result.stop == PracticeStop::Failed) {
            return kExitFailed;
        }
        if (const std::string text = stopText(result.stop); !text.empty()) {
            context.err << "Practice Draft: " << text << '\n';
        }
        return kExitDone;
    });
}

int runMockGrade(CliContext& context, const std::string& draft) {
    if (!context.loadDraftArgument(draft) || !calcRanks(context.state, context.dialogs)) {
        return kExitFailed;
    }
    const std::optional<PracticeGrade> grade =
        shown(context.dialogs, gradeOpenDraft(context.state));
    if (!grade) {
        return kExitFailed;
    }
    context.writeCsv({"kind", "name", "place", "points", "pick", "adp", "verdict"});
    context.writeCsv({"standings", grade->teamname, std::to_string(grade->place),
                      dollars(grade->points), "", "", ""});
    for (const GradedCategory& category : grade->categories) {
        context.writeCsv({"category", category.symbol, std::to_string(category.place),
                          dollars(category.points), "", "", ""});
    }
    for (const PickAgainstAdp& pick : grade->picks) {
        context.writeCsv({"pick", pick.player, "", "", std::to_string(pick.pickNumber),
                          fmt::format("{:.1f}", pick.adp), pick.verdict});
    }
    return kExitDone;
}

int runMockRestart(CliContext& context, const std::string& draft,
                   const std::optional<std::string>& seedText) {
    std::string problem;
    bool bad = false;
    const std::optional<std::uint64_t> seed = seedOption(seedText, problem, bad);
    if (bad) {
        return context.usageError(problem);
    }
    return context.withDraft(draft, [&] {
        return CliContext::statusOf(
            shown(context.dialogs,
                  restartPractice(context.state, context.state.draftSettings()->template_id, seed))
                .has_value());
    });
}

int runMockDelete(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        return CliContext::statusOf(
            shown(context.dialogs,
                  deletePractice(context.state, context.state.draftSettings()->template_id))
                .has_value());
    });
}

void addMock(CLI::App& app, CliContext& context) {
    auto* mock = app.add_subcommand(
        "mock",
        "Copy a draft into a new practice draft (settings, teams, order, keepers) and "
        "print its id");
    auto options = std::make_shared<MockOptions>();
    mock->add_option("DRAFT", options->draft, "Draft id or name")->required();
    mock->add_option("--name", options->name,
                     "Name of the practice draft (default: \"DRAFT practice N\")");
    mock->add_option("--seed", options->seed, "Seed the opponents draft by (default: a fresh one)");
    mock->add_flag("--from-now", options->fromNow,
                   "Copy the picks made so far and whose turn it is as well");
    mock->add_option("--bots", options->bots,
                     "How the opponents draft: adp (by ADP with noise), g (the best G who fits), "
                     "h (the best H-score) or mix (each in a style of his own; the default)");
    mock->callback([&context, options] { context.exitCode = runMock(context, *options); });
}

void addMockRun(CLI::App& app, CliContext& context) {
    auto* run = app.add_subcommand(
        "mock-run",
        "Let the practice draft's opponents pick until you are on the clock; prints "
        "pick,teamid,team,playerid,player,slot,price per pick");
    auto options = std::make_shared<MockRunOptions>();
    run->add_option("PRACTICE", options->practice, "Practice draft id or name")->required();
    run->add_flag("--to-mine", options->toMine, "Stop when you are on the clock (the default)");
    run->add_flag("--to-end", options->toEnd,
                  "Run to the end, your own turns taking the advice's first player");
    run->add_option("--bid", options->bids,
                    "PLAYERID=DOLLARS your limit for a player in an auction (else 0)")
        ->take_all();
    run->add_option("--nominate", options->nominate,
                    "PLAYERID the player you nominate when the nomination is yours (auction)")
        ->check(CLI::PositiveNumber);
    run->callback([&context, options] { context.exitCode = runMockRun(context, *options); });
}

}  // namespace

void addPracticeCommands(CLI::App& app, CliContext& context) {
    addMock(app, context);
    addMockRun(app, context);

    auto* grade =
        app.add_subcommand("mock-grade",
                           "Grade your team: standings place and points, category places, picks "
                           "against ADP; kind,name,place,points,pick,adp,verdict");
    auto gradeDraft = std::make_shared<std::string>();
    grade->add_option("PRACTICE", *gradeDraft, "Draft id or name")->required();
    grade->callback(
        [&context, gradeDraft] { context.exitCode = runMockGrade(context, *gradeDraft); });

    auto* restart = app.add_subcommand(
        "mock-restart", "Take a practice draft back to where it started, with a new seed");
    auto restartDraft = std::make_shared<std::string>();
    auto restartSeed = std::make_shared<std::optional<std::string>>();
    restart->add_option("PRACTICE", *restartDraft, "Practice draft id or name")->required();
    restart->add_option("--seed", *restartSeed, "Seed the opponents draft by (default: fresh)");
    restart->callback([&context, restartDraft, restartSeed] {
        context.exitCode = runMockRestart(context, *restartDraft, *restartSeed);
    });

    auto* remove = app.add_subcommand("mock-delete", "Delete a practice draft");
    auto deleteDraft = std::make_shared<std::string>();
    remove->add_option("PRACTICE", *deleteDraft, "Practice draft id or name")->required();
    remove->callback(
        [&context, deleteDraft] { context.exitCode = runMockDelete(context, *deleteDraft); });
}

}  // namespace quorvane::cli
