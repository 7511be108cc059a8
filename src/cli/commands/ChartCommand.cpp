// SPDX-License-Identifier: MIT
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/ProgramFiles.h"
#include "platform/ProgramFolder.h"
#include "platform/RunProgram.h"
#include "platform/SafeFileWriter.h"

namespace quorvane::cli {

namespace {

struct ChartOptions {
    std::string draft;
    std::string kind;
    std::string outFile;
    bool reserves = false;
    bool force = false;
};

// The charts are drawn by the desktop program's renderer without a window, so that this
// program stays free of the toolkit.
int runChart(CliContext& context, const ChartOptions& options) {
    const FileTarget target{options.outFile, options.force, ".png"};
    if (const FileWriteResult checked = checkFileTarget(target, context.ownFiles());
        !checked.ok()) {
        context.dialogs.showMessage("Chart", fileProblemText(checked, target),
                                    MessageIcon::Exclamation);
        return kExitFailed;
    }
    const std::string renderer = desktopProgramPath();
    if (renderer.empty()) {
        context.dialogs.showMessage(
            "Chart",
            "Charts are drawn by the desktop program quorvane-draft, which was not found beside "
            "quorvane-draft-cli in " +
                programFolder() + ".",
            MessageIcon::Exclamation);
        return kExitFailed;
    }
    std::vector<std::string> arguments{"--render-chart", options.kind, "--draft",
                                       options.draft,    "--out",      options.outFile};
    if (!context.dataDirOption.empty()) {
        arguments.insert(arguments.end(), {"--data-dir", context.dataDirOption});
    }
    if (options.reserves) {
        arguments.emplace_back("--reserves");
    }
    if (options.force) {
        arguments.emplace_back("--force");
    }
    const int status = runAndWait(renderer, arguments, {"QT_QPA_PLATFORM=offscreen"});
    if (status != 0) {
        context.dialogs.showMessage("Chart",
                                    "The desktop program could not draw the chart (" + renderer +
                                        " ended with status " + std::to_string(status) + ").",
                                    MessageIcon::Exclamation);
        return status == kExitUsage ? kExitUsage : kExitFailed;
    }
    context.out << "chart," << std::filesystem::absolute(options.outFile).string() << '\n';
    return kExitDone;
}

}  // namespace

void addChartCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ChartOptions>();
    CLI::App* chart = app.add_subcommand(
        "chart",
        "Write a chart of the draft as a PNG file: standings (total points by team), targets "
        "(your team against the league per category) or money (an auction's money spent and "
        "left per team); drawn by quorvane-draft without a window");
    chart->add_option("DRAFT", options->draft, "Draft id or name")->required();
    chart->add_option("--kind", options->kind, "standings, targets or money")
        ->required()
        ->check(CLI::IsMember({"standings", "targets", "money"}));
    chart
        ->add_option("--out", options->outFile,
                     "The PNG file to write (.png; never the program's own files, a link, a "
                     "pipe or a device)")
        ->required();
    chart->add_flag("--reserves", options->reserves, "Count the reserve picks in the standings");
    chart->add_flag("--force", options->force, "Replace the file when it exists");
    chart->callback([&context, options] { context.exitCode = runChart(context, *options); });
}

}  // namespace quorvane::cli
