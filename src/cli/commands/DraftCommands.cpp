// SPDX-License-Identifier: MIT
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "draftconfig/AdpSpreadSetting.h"
#include "draftconfig/DraftList.h"
#include "draftconfig/NewDraft.h"
#include "session/DraftConversation.h"
#include "text/NumberText.h"

namespace quorvane::cli {

namespace {

int runDrafts(CliContext& context) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto drafts = fillDraftList(context.state, context.dialogs);
    if (!drafts) {
        return kExitFailed;
    }
    context.writeCsv({"template_id", "template_name", "practice_of"});
    for (const DraftListEntry& draft : *drafts) {
        context.writeCsv({std::to_string(draft.template_id), draft.template_name,
                          draft.practiceOf != 0 ? std::to_string(draft.practiceOf) : ""});
    }
    return kExitDone;
}

struct NewDraftOptions {
    std::string name;
    int teams = 12;
    bool auction = false;
    bool draft = false;
    bool rotisserie = false;
    bool points = false;
    bool headToHeadEach = false;
    bool headToHeadMost = false;
};

int runNewDraft(CliContext& context, const NewDraftOptions& options) {
    if (options.teams < 1 || options.teams > kMaxTeams) {
        return context.usageError("--teams must be a number of teams from 1 to 30");
    }
    if (!context.openStore()) {
        return kExitFailed;
    }
    const NewDraftChoice choice{
        options.name,
        options.teams - 1,
        options.auction,
        options.rotisserie,
        options.headToHeadEach || options.headToHeadMost,
        options.headToHeadMost ? kHeadToHeadMostCategories : kHeadToHeadEachCategory};
    const auto templateId = createDraft(context.state, context.dialogs, choice);
    if (!templateId) {
        return kExitFailed;
    }
    context.out << *templateId << '\n';
    return kExitDone;
}

int runShowDraft(CliContext& context, const std::string& draftArgument) {
    return context.withDraft(draftArgument, [&] {
        const DraftSettings& d = *context.state.draftSettings();
        std::ostream& out = context.out;
        out << "template_id=" << d.template_id << '\n'
            << "template_name=" << d.template_name << '\n'
            << "teams=" << d.teams << '\n'
            << "dollars=" << numberText(d.dollars) << '\n'
            << "roundsIndex=" << d.roundsIndex << '\n'
            << "drafttype=" << d.drafttype << '\n'
            << "scoringstyle=" << d.scoringstyle << '\n'
            << "minbid=" << numberText(d.minbid) << '\n'
            << "draftdirection=" << d.draftdirection << '\n'
            << "C=" << d.C << '\n'
            << "F=" << d.F << '\n'
            << "PF=" << d.PF << '\n'
            << "SF=" << d.SF << '\n'
            << "G=" << d.G << '\n'
            << "PG=" << d.PG << '\n'
            << "SG=" << d.SG << '\n'
            << "UT=" << d.UT << '\n'
            << "R=" << d.R << '\n';
        const std::optional<double> spread =
            readDraftAdpSpread(context.state, *context.state.loadedDraft, context.dialogs);
        if (!spread) {
            return kExitFailed;
        }
        out << "categories=";
        for (std::size_t i = 0; i < d.categories.size(); ++i) {
            out << (i > 0 ? "," : "") << d.categories[i].categoryid << ':'
                << numberText(d.categories[i].points);
        }
        out << "\ndraftTeams=";
        for (std::size_t i = 0; i < d.draftTeams.size(); ++i) {
            const DraftTeam& t = d.draftTeams[i];
            out << (i > 0 ? "," : "") << t.teamid << ':' << t.teamname << ':' << t.draftposition
                << ':' << t.owner << ':' << t.currentpick;
        }
        out << '\n';
        if (d.scoringstyle == kScoringHeadToHead) {
            out << "h2hmode=" << (d.headToHead.mode == kHeadToHeadMostCategories ? "most" : "each")
                << '\n'
                << "gamesperweek=" << numberText(d.headToHead.gamesPerWeek) << '\n'
                << "varianceratios=";
            for (std::size_t i = 0; i < d.categories.size(); ++i) {
                const int categoryid = d.categories[i].categoryid;
                out << (i > 0 ? "," : "") << categoryid << ':'
                    << numberText(varianceRatioOf(d.headToHead, categoryid));
            }
            out << '\n';
        }
        out << "adpspread=" << numberText(*spread) << '\n';
        return kExitDone;
    });
}

}  // namespace

void addDraftCommands(CLI::App& app, CliContext& context) {
    auto* drafts = app.add_subcommand("drafts", "List the drafts as CSV");
    drafts->callback([&context] { context.exitCode = runDrafts(context); });

    auto* newDraft = app.add_subcommand("new-draft", "Create a draft and print its id");
    auto options = std::make_shared<NewDraftOptions>();
    newDraft->add_option("NAME", options->name, "Name of the draft")->required();
    newDraft->add_option("--teams", options->teams, "Number of teams, 1 to 30")->required();
    auto* auction = newDraft->add_flag("--auction", options->auction, "An auction");
    auto* snake = newDraft->add_flag("--draft", options->draft, "A (snake) draft");
    auction->excludes(snake);
    auto* rotisserie = newDraft->add_flag("--rotisserie", options->rotisserie, "Rotisserie");
    auto* points = newDraft->add_flag("--points", options->points, "Fantasy points");
    rotisserie->excludes(points);
    auto* each = newDraft->add_flag("--h2h-each", options->headToHeadEach,
                                    "Head-to-head categories, every category won counts");
    auto* most = newDraft->add_flag("--h2h-most", options->headToHeadMost,
                                    "Head-to-head categories, most categories win the week");
    newDraft->callback([&context, options, auction, snake, rotisserie, points, each, most] {
        if (auction->count() + snake->count() != 1 ||
            rotisserie->count() + points->count() + each->count() + most->count() != 1) {
            context.exitCode = context.usageError(
                "new-draft NAME --teams N (--auction | --draft) (--rotisserie | --points | "
                "--h2h-each | --h2h-most)");
            return;
        }
        context.exitCode = runNewDraft(context, *options);
    });

    auto* show = app.add_subcommand("show-draft", "Print a draft's settings as key=value lines");
    auto draftArgument = std::make_shared<std::string>();
    show->add_option("DRAFT", *draftArgument, "Draft id or name")->required();
    show->callback(
        [&context, draftArgument] { context.exitCode = runShowDraft(context, *draftArgument); });
}

}  // namespace quorvane::cli
