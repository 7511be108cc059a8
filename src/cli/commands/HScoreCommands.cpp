// SPDX-License-Identifier: MIT
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include "availability/TurnSequence.h"
#include "cli/CheckedOption.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/OptionChecks.h"
#include "cli/commands/CommandTeam.h"
#include "headtohead/HeadToHeadLeague.h"
#include "hscores/SeasonOdds.h"
#include "hscores/TeamHScores.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"

namespace quorvane::cli {

namespace {

// Omega and gamma are shares of one pick's spread; beyond 10 the future picks swamp the rosters.
constexpr FieldRange kShiftRange{0.0, 10.0};
constexpr FieldRange kIterationsRange{0.0, 10000.0};
constexpr FieldRange kWeeksRange{1.0, 100.0};
constexpr std::string_view kNotHeadToHead =
    "H-scores and season odds belong to head-to-head category leagues";

std::string share(double value) {
    return fmt::format("{:.4f}", value + 0.0);  // no "-0.0000"
}

struct HScoreOptions {
    std::string draft;
    int team = 0;
    int top = kDefaultCandidates;
    std::optional<std::string> objective;
    std::optional<std::string> omega;
    std::optional<std::string> gamma;
    std::optional<std::string> iterations;
};

std::optional<MatchupObjective> objectiveOption(const std::string& text, std::string& problem) {
    if (text == "each") {
        return MatchupObjective{MatchupObjective::Kind::EachCategory, 0.0};
    }
    if (text == "most") {
        return MatchupObjective{MatchupObjective::Kind::MostCategories, 0.0};
    }
    constexpr std::string_view kBlend = "blend:";
    if (!text.starts_with(kBlend)) {
        problem = "--objective: " + text + " is not each, most or blend:L (L from 0 to 1)";
        return std::nullopt;
    }
    const std::optional<double> lambda = checkedOption(
        "--objective blend", text.substr(kBlend.size()), kFractionRange, false, problem);
    if (!lambda) {
        return std::nullopt;
    }
    return MatchupObjective{MatchupObjective::Kind::Blend, *lambda};
}

// The search's settings from the options, the league's own objective unless one is given.
std::optional<WeightSearchSettings> searchSettings(const HScoreOptions& options,
                                                   const DraftModel& model, std::string& problem) {
    WeightSearchSettings settings;
    settings.objective = leagueObjective(model.headToHeadMode());
    if (options.objective) {
        const std::optional<MatchupObjective> objective =
            objectiveOption(*options.objective, problem);
        if (!objective) {
            return std::nullopt;
        }
        settings.objective = *objective;
    }
    const auto read = [&problem](const char* name, const std::optional<std::string>& text,
                                 FieldRange range, bool whole, double& value) {
        if (!text) {
            return true;
        }
        const std::optional<double> number = checkedOption(name, *text, range, whole, problem);
        value = number.value_or(value);
        return number.has_value();
    };
    double iterations = settings.iterations;
    if (!read("--omega", options.omega, kShiftRange, false, settings.omega) ||
        !read("--gamma", options.gamma, kShiftRange, false, settings.gamma) ||
        !read("--iterations", options.iterations, kIterationsRange, true, iterations)) {
        return std::nullopt;
    }
    settings.iterations = static_cast<int>(iterations);
    return settings;
}

std::optional<DraftModel> headToHeadModel(CliContext& context, const std::string& draft) {
    if (!context.loadDraftArgument(draft)) {
        return std::nullopt;
    }
    std::optional<DraftModel> model = loadDraftModel(context.state, context.dialogs);
    if (model && !model->headToHead()) {
        context.dialogs.showMessage("Error", std::string(kNotHeadToHead), MessageIcon::Critical);
        return std::nullopt;
    }
    return model;
}

int runHScores(CliContext& context, const HScoreOptions& options) {
    std::optional<DraftModel> model = headToHeadModel(context, options.draft);
    if (!model) {
        return kExitFailed;
    }
    std::string problem;
    const std::optional<WeightSearchSettings> settings = searchSettings(options, *model, problem);
    if (!settings) {
        return context.usageError(problem);
    }
    const std::optional<std::size_t> team = commandTeam(context, *model, options.team);
    if (!team) {
        return kExitFailed;
    }
    HScoreRequest request;
    request.team = *team;
    request.candidates = options.top;
    request.search = *settings;
    const std::vector<HScoreRow> rows = teamHScores(*model, request).value_or(TeamHScores{}).rows;
    std::vector<std::string> headings = {"playerid", "firstname", "lastname", "h", "g"};
    for (const ModelCategory& category : model->categories) {
        headings.push_back("w_" + std::string(category.definition->heading));
    }
    context.writeCsv(headings);
    for (const HScoreRow& row : rows) {
        const ModelPlayer& player = model->players[row.player];
        std::vector<std::string> fields = {std::to_string(player.playerid), player.firstname,
                                           player.lastname, share(row.h), share(row.g)};
        for (const double weight : row.weights) {
            fields.push_back(share(weight));
        }
        context.writeCsv(fields);
    }
    return kExitDone;
}

struct SeasonOptions {
    std::string draft;
    std::optional<std::string> weeks;
    std::optional<std::string> seasons;
    std::optional<std::string> seed;
};

int runSeasonOdds(CliContext& context, const SeasonOptions& options) {
    std::optional<DraftModel> model = headToHeadModel(context, options.draft);
    if (!model) {
        return kExitFailed;
    }
    SeasonOddsRequest request;
    request.seed = defaultSeed(*model);
    std::string problem;
    const auto read = [&problem](const char* name, const std::optional<std::string>& text,
                                 FieldRange range, auto& value) {
        if (!text) {
            return true;
        }
        const std::optional<double> number = checkedOption(name, *text, range, true, problem);
        if (number) {
            value = static_cast<std::remove_reference_t<decltype(value)>>(*number);
        }
        return number.has_value();
    };
    if (!read("--weeks", options.weeks, kWeeksRange, request.weeks) ||
        !read("--seasons", options.seasons, kContinuationsRange, request.seasons) ||
        !read("--seed", options.seed, kSeedRange, request.seed)) {
        return context.usageError(problem);
    }
    const HeadToHeadLeague league(*model, false);
    const std::vector<TeamSeasonOdds> odds =
        seasonOdds(seasonLeagueOf(*model, league.matchups()), request)
            .value_or(std::vector<TeamSeasonOdds>{});
    context.writeCsv({"team", "first", "top_half", "mean_wins"});
    for (const TeamSeasonOdds& team : odds) {
        context.writeCsv({model->teams[team.team].teamname, share(team.first), share(team.topHalf),
                          fmt::format("{:.2f}", team.meanWins)});
    }
    return kExitDone;
}

}  // namespace

void addHScoreCommands(CLI::App& app, CliContext& context) {
    auto* hscores = app.add_subcommand(
        "hscores",
        "H-scores of a head-to-head league: for each of a team's best candidates by G, the "
        "category weights that give it the best chance in its matchups; "
        "playerid,firstname,lastname,h,g,w_SYMBOL... best H first");
    auto options = std::make_shared<HScoreOptions>();
    hscores->add_option("DRAFT", options->draft, "Draft id or name")->required();
    hscores->add_option("--team", options->team, "Team id (default: the team marked as yours)")
        ->check(positiveWholeNumber());
    hscores
        ->add_option("--top", options->top,
                     "Candidates: the best N by total G who fit an open starting slot (default 40)")
        ->check(positiveWholeNumber());
    hscores->add_option("--objective", options->objective,
                        "each, most or blend:L (default: what the league plays for)");
    hscores->add_option("--omega", options->omega,
                        "What a future pick gains toward the weights (default 0.7)");
    hscores->add_option("--gamma", options->gamma,
                        "What a future pick gives up against neutral weights (default 0.25)");
    hscores->add_option("--iterations", options->iterations,
                        "Steps of the weights' search per candidate (default 30)");
    hscores->callback([&context, options] { context.exitCode = runHScores(context, *options); });

    auto* odds = app.add_subcommand(
        "season-odds",
        "Play the head-to-head season many times over the weekly matchups of the rosters as "
        "they stand: team,first,top_half,mean_wins");
    auto seasonOptions = std::make_shared<SeasonOptions>();
    odds->add_option("DRAFT", seasonOptions->draft, "Draft id or name")->required();
    odds->add_option("--weeks", seasonOptions->weeks, "Weeks of the season (default 20)");
    odds->add_option("--seasons", seasonOptions->seasons, "Seasons to play (default 10000)");
    odds->add_option("--seed", seasonOptions->seed,
                     "Seed of the seasons (default: fixed per draft and pick number)");
    odds->callback(
        [&context, seasonOptions] { context.exitCode = runSeasonOdds(context, *seasonOptions); });
}

}  // namespace quorvane::cli
