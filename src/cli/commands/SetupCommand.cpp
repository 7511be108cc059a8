// SPDX-License-Identifier: MIT
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CheckedOption.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "draftconfig/AdpSpreadSetting.h"
#include "session/DraftConversation.h"
#include "session/SetupConversation.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane::cli {

namespace {

struct SetupOptions {
    std::string draft;
    std::optional<std::string> style;
    std::optional<std::string> categories;
    std::optional<std::string> type;
    std::optional<std::string> rounds;
    std::optional<std::string> cap;
    std::optional<std::string> minbid;
    std::optional<std::string> slots;
    std::optional<std::string> gamesPerWeek;
    std::optional<std::string> varianceRatios;
    std::vector<std::string> teamNames;
    std::vector<std::string> teamOrders;
    std::optional<int> mine;
    std::vector<std::string> addTeams;
    std::vector<int> deleteTeams;
    std::optional<std::string> adpSpread;

    bool changesSettings() const {
        return style || categories || type || rounds || cap || minbid || slots || gamesPerWeek ||
               varianceRatios || !teamNames.empty() || !teamOrders.empty() || mine ||
               !addTeams.empty();
    }
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// "KEY=VALUE" split at the first "=".
std::optional<std::pair<std::string, std::string>> keyValue(const std::string& text,
                                                            char separator = '=') {
    const auto at = text.find(separator);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return std::make_pair(text.substr(0, at), text.substr(at + 1));
}

// A choice given as "none" or empty text leaves the option buttons without a selection.
std::optional<int> choiceOf(const std::string& text,
                            const std::vector<std::pair<std::string, int>>& choices) {
    if (text.empty() || text == "none") {
        return kNoChoice;
    }
    for (const auto& [name, code] : choices) {
        if (text == name) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> rowOfTeam(const SetupForm& form, int teamid) {
    for (std::size_t row = 0; row < form.teamRows.size(); ++row) {
        if (form.teamRows[row].teamid == teamid) {
            return row;
        }
    }
    return std::nullopt;
}

int slotListOf(const std::string& key) {
    const std::string wanted = upperText(key);
    for (std::size_t list = 0; list < kSlotKindNames.size(); ++list) {
        if (wanted == kSlotKindNames[list] || wanted == kRosterListNames[list]) {
            return static_cast<int>(list);
        }
    }
    return -1;
}

// The setup box of a category symbol ("FGP", "3pt"), or -1.
int categoryBoxOfSymbol(const std::string& symbol) {
    for (const CategoryDefinition& category : categoryCatalogue()) {
        if (upperText(category.heading) == upperText(symbol)) {
            return categoryBoxIndex(category.categoryid);
        }
    }
    return -1;
}

// Applies the options to the form as the user would in the window; returns a usage error text
// for an option that names nothing the window has.
std::optional<std::string> applyOptions(SetupForm& form, const SetupOptions& options) {
    if (options.style) {
        // A head-to-head style names its mode: every category won counts, or most categories
        // win the week.
        if (*options.style == "h2h-each" || *options.style == "h2h-most") {
            form.scoringStyle = kScoringHeadToHead;
            form.headToHeadMode =
                *options.style == "h2h-most" ? kHeadToHeadMostCategories : kHeadToHeadEachCategory;
        } else {
            const auto style = choiceOf(
                *options.style, {{"rotisserie", kScoringRotisserie}, {"points", kScoringPoints}});
            if (!style) {
                return "--style rotisserie|points|h2h-each|h2h-most";
            }
            form.scoringStyle = *style;
        }
    }
    if (options.type) {
        const auto type = choiceOf(*options.type, {{"auction", kDraftTypeAuction},
                                                   {"snake", kDraftTypeSnake},
                                                   {"straight", kDraftTypeStraight}});
        if (!type) {
            return "--type auction|snake|straight";
        }
        form.draftType = *type;
    }
    if (options.rounds) {
        // The window's list offers 1 to 35 rounds; anything else is no choice, which the
        // editor refuses with its own message.
        const auto rounds = parseWholeNumber(*options.rounds, 1, kMostRounds);
        form.roundsIndex = rounds ? *rounds - 1 : kNoChoice;
    }
    // The window hides both boxes unless the draft is an auction, and saving ignores them then;
    // a script that sets them on another draft would believe it had.
    if ((options.cap || options.minbid) && form.draftType != kDraftTypeAuction) {
        return "--cap and --minbid belong to an auction; give --type auction with them";
    }
    if (options.cap) {
        form.salaryCap = *options.cap;
    }
    if (options.minbid) {
        form.minBid = *options.minbid;
    }
    if (options.categories) {
        const auto previousWeights = form.categoryWeight;
        form.categoryTicked.fill(false);
        for (const std::string& item : split(*options.categories, ',')) {
            if (trim(item).empty()) {
                continue;
            }
            const auto idAndWeight = keyValue(item, ':');
            if (idAndWeight && form.scoringStyle != kScoringPoints) {
                // Rotisserie has no weights; saving would drop them without a word.
                return "--categories takes weights (ID:WEIGHT) in a points league only; give "
                       "--style points with them";
            }
            const std::string idText = idAndWeight ? idAndWeight->first : item;
            const auto id = parseWholeNumber(idText, 0, 1000);
            const int box = id ? categoryBoxIndex(*id) : -1;
            if (box < 0) {
                return "--categories takes category ids of the catalogue: " + idText;
            }
            const auto index = static_cast<std::size_t>(box);
            form.categoryTicked[index] = true;
            form.categoryWeight[index] = idAndWeight ? idAndWeight->second : previousWeights[index];
        }
    }
    if (options.slots) {
        for (const std::string& item : split(*options.slots, ',')) {
            const auto slot = keyValue(item);
            const int list = slot ? slotListOf(trim(slot->first)) : -1;
            if (list < 0) {
                return "--slots takes C=N,G=N,PG=N,SG=N,F=N,PF=N,SF=N,UT=N,R=N";
            }
            const auto count = parseWholeNumber(slot->second, -1000000, 1000000);
            form.rosterSlots[static_cast<std::size_t>(list)] = count ? *count : -1;
        }
    }
    if (options.gamesPerWeek) {
        form.gamesPerWeek = *options.gamesPerWeek;
    }
    if (options.varianceRatios) {
        for (const std::string& item : split(*options.varianceRatios, ',')) {
            const auto ratio = keyValue(item);
            const int box = ratio ? categoryBoxOfSymbol(trim(ratio->first)) : -1;
            if (box < 0) {
                return "--variance-ratio takes SYMBOL=R with the symbol of a category: " + item;
            }
            form.varianceRatio[static_cast<std::size_t>(box)] = ratio->second;
        }
    }
    if ((options.gamesPerWeek || options.varianceRatios) &&
        form.scoringStyle != kScoringHeadToHead) {
        return "--games-per-week and --variance-ratio belong to a head-to-head league "
               "(--style h2h-each|h2h-most)";
    }
    for (const std::string& item : options.teamNames) {
        const auto team = keyValue(item);
        const auto id = team ? parseWholeNumber(team->first, 0, 2147483647LL) : std::nullopt;
        const auto row = id ? rowOfTeam(form, *id) : std::nullopt;
        if (!row) {
            return "--team-name TEAMID=NAME with a team of this draft";
        }
        form.teamRows[*row].name = team->second;
    }
    for (const std::string& item : options.teamOrders) {
        const auto team = keyValue(item);
        const auto id = team ? parseWholeNumber(team->first, 0, 2147483647LL) : std::nullopt;
        const auto row = id ? rowOfTeam(form, *id) : std::nullopt;
        if (!row) {
            return "--team-order TEAMID=N with a team of this draft";
        }
        form.teamRows[*row].order = team->second;
    }
    if (options.mine) {
        const auto row = rowOfTeam(form, *options.mine);
        if (!row) {
            return "--mine TEAMID with a team of this draft";
        }
        for (SetupTeamRow& teamRow : form.teamRows) {
            teamRow.mine = false;
        }
        form.teamRows[*row].mine = true;
    }
    for (const std::string& item : options.addTeams) {
        const auto at = item.rfind(':');
        if (at == std::string::npos) {
            return "--add-team NAME:ORDER";
        }
        if (addTeamRow(form)) {
            form.teamRows.back().name = item.substr(0, at);
            form.teamRows.back().order = item.substr(at + 1);
        }
    }
    return std::nullopt;
}

int runSetup(CliContext& context, const SetupOptions& options) {
    // Checked before anything is written, so that a mistyped spread changes nothing.
    std::optional<double> spread;
    if (options.adpSpread) {
        std::string problem;
        spread = checkedOption("--adp-spread", *options.adpSpread, kAdpSpreadRange, false, problem);
        if (!spread) {
            return context.usageError(problem);
        }
    }
    return context.withDraft(options.draft, [&] {
        SetupForm form = fillSetup(*context.state.draftSettings());
        for (int teamid : options.deleteTeams) {
            const auto row = rowOfTeam(form, teamid);
            if (!row) {
                return context.usageError("--delete-team TEAMID with a team of this draft");
            }
            const auto outcome = deleteTeam(context.state, context.dialogs, form, *row);
            if (outcome != DeleteTeamOutcome::Deleted) {
                return kExitFailed;
            }
        }
        if (spread && !saveDraftAdpSpread(context.state, *context.state.loadedDraft,
                                          context.dialogs, *spread)) {
            return kExitFailed;
        }
        if ((!options.deleteTeams.empty() || options.adpSpread) && !options.changesSettings()) {
            return kExitDone;
        }
        if (const auto usage = applyOptions(form, options)) {
            return context.usageError(*usage);
        }
        return CliContext::statusOf(saveSetup(context.state, context.dialogs, form).saved);
    });
}

}  // namespace

void addSetupCommand(CLI::App& app, CliContext& context) {
    auto* setup = app.add_subcommand(
        "setup", "Change a draft's settings with the checks of the setup editor, then save them");
    auto options = std::make_shared<SetupOptions>();
    setup->add_option("DRAFT", options->draft, "Draft id or name")->required();
    setup->add_option("--style", options->style, "rotisserie|points|h2h-each|h2h-most");
    setup->add_option("--categories", options->categories,
                      "The scoring categories: ID[:WEIGHT],... (replaces the ticked set)");
    setup->add_option("--type", options->type, "auction|snake|straight");
    setup->add_option("--rounds", options->rounds, "Number of rounds");
    setup->add_option("--cap", options->cap, "Salary cap of an auction");
    setup->add_option("--minbid", options->minbid, "Minimum bid of an auction");
    setup->add_option("--slots", options->slots, "Roster slots: C=2,G=1,...");
    setup->add_option("--games-per-week", options->gamesPerWeek,
                      "Head-to-head: the games a player plays in a week (default 3)");
    setup->add_option("--variance-ratio", options->varianceRatios,
                      "Head-to-head: week-to-week variance ratios SYMBOL=R,... (e.g. STL=3.5)");
    setup->add_option("--team-name", options->teamNames, "TEAMID=NAME")->take_all();
    setup->add_option("--team-order", options->teamOrders, "TEAMID=N")->take_all();
    setup->add_option("--mine", options->mine, "TEAMID of the user's own team");
    setup->add_option("--add-team", options->addTeams, "NAME:ORDER")->take_all();
    setup->add_option("--delete-team", options->deleteTeams, "TEAMID")->take_all();
    setup->add_option("--adp-spread", options->adpSpread,
                      "How far the room strays from the ADP: a player at ADP a goes within about "
                      "1 + X·a picks of it (0 to 2, default 0.1)");
    setup->callback([&context, options] { context.exitCode = runSetup(context, *options); });
}

}  // namespace quorvane::cli
