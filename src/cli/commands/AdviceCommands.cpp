// SPDX-License-Identifier: MIT
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include "advice/KeeperSurplus.h"
#include "availability/Availability.h"
#include "availability/TurnSequence.h"
#include "cli/CheckedOption.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/OptionChecks.h"
#include "cli/commands/CommandTeam.h"
#include "headtohead/HeadToHeadExplain.h"
#include "hscores/HScores.h"
#include "model/DraftModelLoader.h"
#include "model/Punts.h"
#include "session/DraftModelConversation.h"
#include "session/ShowMessage.h"
#include "session/ValuationConversation.h"
#include "teamadvice/TeamAdvice.h"
#include "teamadvice/ValuationFigureReader.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane::cli {

namespace {

std::string figure(double value) {
    return numberText(value + 0.0);  // no "-0"
}

std::string figure(const std::optional<double>& value) {
    return value ? figure(*value) : std::string();
}

const std::vector<std::string> kNoSymbols;
constexpr std::string_view kNoSymbolsNamed =
    "the list of categories names none; give their symbols, e.g. PTS,AST";

// Symbols given as separate arguments, comma lists, or both.
std::vector<std::string> splitSymbols(const std::vector<std::string>& arguments) {
    std::vector<std::string> symbols;
    for (const std::string& argument : arguments) {
        std::size_t start = 0;
        while (start <= argument.size()) {
            const std::size_t comma = std::min(argument.find(',', start), argument.size());
            const std::string symbol = trim(argument.substr(start, comma - start));
            if (!symbol.empty()) {
                symbols.push_back(symbol);
            }
            start = comma + 1;
        }
    }
    return symbols;
}

// The ids of the draft's categories named by the symbols; the first symbol the draft does not
// score is handed back in `unknown`.
std::optional<std::vector<int>> categoriesNamed(const DraftModel& model,
                                                const std::vector<std::string>& symbols,
                                                std::string& unknown) {
    std::vector<int> ids;
    for (const std::string& symbol : symbols) {
        const auto found = std::find_if(
            model.categories.begin(), model.categories.end(), [&](const ModelCategory& use) {
                return upperText(use.definition->heading) == upperText(symbol);
            });
        if (found == model.categories.end()) {
            unknown = symbol;
            return std::nullopt;
        }
        ids.push_back(found->definition->categoryid);
    }
    return ids;
}

// Opens the draft, values it as the draft room does and loads it for the advice.
std::optional<DraftModel> valuedModel(CliContext& context, const std::string& draft,
                                      bool inflation) {
    if (!context.loadDraftArgument(draft)) {
        return std::nullopt;
    }
    context.state.showInflation = inflation;
    if (!calcRanks(context.state, context.dialogs)) {
        return std::nullopt;
    }
    return loadDraftModel(context.state, context.dialogs);
}

struct AdviseOptions {
    std::string draft;
    int team = 0;
    std::vector<std::string> punts;
    bool puntsGiven = false;
    int top = 0;
    bool byCategory = false;
    bool inflation = false;
    bool availability = false;
    std::optional<std::string> sims;
    std::optional<std::string> seed;
};

std::string share(const std::optional<double>& value) {
    return value ? fmt::format("{:.3f}", *value + 0.0) : std::string();
}

std::string fourPlaces(double value) {
    return fmt::format("{:.4f}", value + 0.0);
}

const std::vector<HScoreRow> kNoHScores;

// The request of --availability: the number of continuations and the seed, checked.
std::optional<AvailabilityRequest> availabilityRequest(const AdviseOptions& options,
                                                       const DraftModel& model, std::size_t team,
                                                       std::string& problem) {
    AvailabilityRequest request;
    request.team = team;
    request.seed = defaultSeed(model);
    if (options.sims) {
        const std::optional<double> sims =
            checkedOption("--sims", *options.sims, kContinuationsRange, true, problem);
        if (!sims) {
            return std::nullopt;
        }
        request.continuations = static_cast<int>(*sims);
    }
    if (options.seed) {
        const std::optional<double> seed =
            checkedOption("--seed", *options.seed, kSeedRange, true, problem);
        if (!seed) {
            return std::nullopt;
        }
        request.seed = static_cast<std::uint64_t>(*seed);
    }
    return request;
}

int runAdvise(CliContext& context, const AdviseOptions& options) {
    if ((options.sims || options.seed) && !options.availability) {
        return context.usageError("--sims and --seed go with --availability");
    }
    if (options.availability && options.byCategory) {
        return context.usageError("--availability and --by-category do not go together");
    }
    std::optional<DraftModel> model = valuedModel(context, options.draft, options.inflation);
    if (!model) {
        return kExitFailed;
    }
    if (options.puntsGiven) {
        const std::vector<std::string> symbols = splitSymbols(options.punts);
        if (symbols.empty()) {
            return context.usageError(std::string(kNoSymbolsNamed));
        }
        std::string unknown;
        const auto ids = categoriesNamed(*model, symbols, unknown);
        if (!ids) {
            return context.usageError("the draft has no category \"" + unknown + "\"");
        }
        setPunts(*model, *ids);
    }
    const std::optional<std::size_t> team = commandTeam(context, *model, options.team);
    if (!team) {
        return kExitFailed;
    }
    const TeamAdvice advice(*model, *team);
    const std::size_t count =
        options.top > 0
            ? std::min<std::size_t>(static_cast<std::size_t>(options.top), advice.rows().size())
            : advice.rows().size();
    if (options.byCategory) {
        context.writeCsv({"playerid", "symbol", "z", "gain"});
        for (std::size_t i = 0; i < count; ++i) {
            const int playerid = advice.rows()[i].playerid;
            for (const CategoryAdvice& category : advice.categories(playerid)) {
                context.writeCsv({std::to_string(playerid), category.symbol, figure(category.z),
                                  figure(category.gain)});
            }
        }
        return kExitDone;
    }
    std::optional<AvailabilityFigures> shares;
    if (options.availability) {
        std::string problem;
        const std::optional<AvailabilityRequest> request =
            availabilityRequest(options, *model, *team, problem);
        if (!request) {
            return context.usageError(problem);
        }
        shares = availability(*model, *request);
    }
    std::vector<std::string> headings = {"playerid", "firstname", "lastname", "pos",  "value",
                                         "rank",     "z",         "zdollars", "gain", "vona"};
    if (shares) {
        headings.insert(headings.end(), {"avail", "avail2", "xvona"});
    }
    // A head-to-head league's H-scores, after every column scripts already read by place.
    std::unordered_map<std::size_t, double> hScoreOf;
    if (model->headToHead()) {
        headings.push_back("h");
        const HScoreBasis basis(*model, *advice.gScores());
        HScoreRequest request;
        request.team = *team;
        request.search.objective = leagueObjective(model->headToHeadMode());
        for (const HScoreRow& row : hScores(*model, basis, request).value_or(kNoHScores)) {
            hScoreOf[row.player] = row.h;
        }
    }
    context.writeCsv(headings);
    for (std::size_t i = 0; i < count; ++i) {
        const AdviceRow& row = advice.rows()[i];
        std::vector<std::string> fields = {std::to_string(row.playerid),
                                           row.firstname,
                                           row.lastname,
                                           row.pos,
                                           figure(row.value),
                                           row.rank > 0 ? std::to_string(row.rank) : "",
                                           figure(row.z),
                                           figure(row.zDollars),
                                           figure(row.gain),
                                           figure(row.vona)};
        if (shares) {
            const PlayerAvailability& player = shares->players[row.player];
            fields.insert(fields.end(),
                          {share(player.avail), share(player.avail2), share(player.xvona)});
        }
        if (model->headToHead()) {
            const auto h = hScoreOf.find(row.player);
            fields.push_back(h == hScoreOf.end() ? std::string() : fourPlaces(h->second));
        }
        context.writeCsv(fields);
    }
    return kExitDone;
}

int runPunt(CliContext& context, const std::string& draft,
            const std::optional<std::vector<std::string>>& arguments, bool none) {
    const std::vector<std::string> symbols = splitSymbols(arguments.value_or(kNoSymbols));
    if (none && arguments) {
        return context.usageError("give symbols or --none, not both");
    }
    // An empty list is more likely a script's empty variable than a wish to give up nothing.
    if (arguments && symbols.empty()) {
        return context.usageError(std::string(kNoSymbolsNamed) + "; --none gives up no category");
    }
    return context.withDraft(draft, [&] {
        std::optional<DraftModel> model = loadDraftModel(context.state, context.dialogs);
        if (!model) {
            return kExitFailed;
        }
        if (none || !symbols.empty()) {
            std::string unknown;
            const auto ids = categoriesNamed(*model, symbols, unknown);
            if (!ids) {
                return context.usageError("the draft has no category \"" + unknown + "\"");
            }
            if (!savePunts(context.state, context.dialogs, *ids)) {
                return kExitFailed;
            }
            setPunts(*model, *ids);
        }
        context.writeCsv({"categoryid", "symbol"});
        for (const ModelCategory& category : model->categories) {
            if (category.punted) {
                context.writeCsv({std::to_string(category.definition->categoryid),
                                  std::string(category.definition->heading)});
            }
        }
        return kExitDone;
    });
}

int runExplain(CliContext& context, const std::string& draft, int playerid, bool inflation) {
    std::optional<DraftModel> model = valuedModel(context, draft, inflation);
    if (!model) {
        return kExitFailed;
    }
    if (model->findPlayer(playerid) == nullptr) {
        context.dialogs.showMessage(
            "Error", "No player " + std::to_string(playerid) + " in this season's projections",
            MessageIcon::Critical);
        return kExitFailed;
    }
    const std::optional<ValuationFigures> figures =
        shown(context.dialogs,
              readValuationFigures(context.state, context.state.showInflation, *model, playerid));
    if (!figures) {
        return kExitFailed;
    }
    const ZScores zScores(*model);
    context.writeCsv({"key", "value"});
    for (const auto& [key, value] : explainLines(*model, zScores, *figures, playerid)) {
        context.writeCsv({key, value});
    }
    if (model->headToHead()) {
        const GScores gScores(*model, zScores);
        for (const auto& [key, value] : headToHeadExplainLines(*model, gScores, playerid)) {
            context.writeCsv({key, value});
        }
    }
    return kExitDone;
}

int runKeepers(CliContext& context, const std::string& draft, bool inflation) {
    std::optional<DraftModel> model = valuedModel(context, draft, inflation);
    if (!model) {
        return kExitFailed;
    }
    context.writeCsv(
        {"playerid", "firstname", "lastname", "teamid", "teamname", "price", "value", "surplus"});
    for (const KeeperSurplusRow& row : keeperSurplus(*model)) {
        context.writeCsv({std::to_string(row.playerid), row.firstname, row.lastname,
                          std::to_string(row.teamid), row.teamname, figure(row.price),
                          figure(row.value), figure(row.surplus)});
    }
    return kExitDone;
}

void addAdvise(CLI::App& app, CliContext& context) {
    auto* advise = app.add_subcommand(
        "advise", "Pick advice for a team: every available player, best standings gain first");
    auto options = std::make_shared<AdviseOptions>();
    advise->add_option("DRAFT", options->draft, "Draft id or name")->required();
    advise->add_option("--team", options->team, "Team id (default: the team marked as yours)")
        ->check(positiveWholeNumber());
    auto* punt = advise->add_option("--punt", options->punts,
                                    "SYMBOL,... categories to give up for this advice only");
    advise->add_option("--top", options->top, "Only the best N players")
        ->check(positiveWholeNumber());
    advise->add_flag("--by-category", options->byCategory,
                     "One line per player and category: playerid,symbol,z,gain");
    advise->add_flag("--inflation", options->inflation,
                     "Value the players left with the money left");
    advise->add_flag("--availability", options->availability,
                     "Add avail,avail2,xvona: the shares of continuations in which each player is "
                     "still there at your next two turns, and his value less the expected best "
                     "left at his positions");
    advise->add_option("--sims", options->sims,
                       "Continuations to play for --availability (default 10000)");
    advise->add_option("--seed", options->seed,
                       "Seed of --availability (default: fixed per draft and pick number)");
    advise->callback([&context, options, punt] {
        options->puntsGiven = punt->count() > 0;
        context.exitCode = runAdvise(context, *options);
    });
}

}  // namespace

void addAdviceCommands(CLI::App& app, CliContext& context) {
    addAdvise(app, context);

    auto* punt = app.add_subcommand("punt", "Show or set the categories given up in a draft");
    auto puntDraft = std::make_shared<std::string>();
    auto symbols = std::make_shared<std::vector<std::string>>();
    auto none = std::make_shared<bool>(false);
    punt->add_option("DRAFT", *puntDraft, "Draft id or name")->required();
    auto* symbolsOption =
        punt->add_option("SYMBOLS", *symbols, "SYMBOL,... the categories to give up");
    punt->add_flag("--none", *none, "Give up no category");
    punt->callback([&context, puntDraft, symbols, symbolsOption, none] {
        context.exitCode =
            runPunt(context, *puntDraft,
                    symbolsOption->count() > 0 ? std::optional(*symbols) : std::nullopt, *none);
    });

    auto* explain =
        app.add_subcommand("explain", "The math of a player's value as key,value lines");
    auto explainDraft = std::make_shared<std::string>();
    auto playerid = std::make_shared<int>(0);
    auto explainInflation = std::make_shared<bool>(false);
    explain->add_option("DRAFT", *explainDraft, "Draft id or name")->required();
    explain->add_option("PLAYERID", *playerid, "Player id")->required();
    explain->add_flag("--inflation", *explainInflation,
                      "Value the players left with the money left");
    explain->callback([&context, explainDraft, playerid, explainInflation] {
        context.exitCode = runExplain(context, *explainDraft, *playerid, *explainInflation);
    });

    auto* keepers =
        app.add_subcommand("keepers", "The keepers of a draft with price, value and surplus");
    auto keepersDraft = std::make_shared<std::string>();
    auto keepersInflation = std::make_shared<bool>(false);
    keepers->add_option("DRAFT", *keepersDraft, "Draft id or name")->required();
    keepers->add_flag("--inflation", *keepersInflation,
                      "Value the players left with the money left");
    keepers->callback([&context, keepersDraft, keepersInflation] {
        context.exitCode = runKeepers(context, *keepersDraft, *keepersInflation);
    });
}

}  // namespace quorvane::cli
