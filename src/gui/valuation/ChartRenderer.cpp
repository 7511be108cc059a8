// SPDX-License-Identifier: MIT
#include "gui/valuation/ChartRenderer.h"

#include <iostream>

#include "gui/widgets/BarChartView.h"
#include "platform/SafeFileWriter.h"
#include "room/ChartData.h"
#include "session/CommandSession.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/TerminalDialogs.h"
#include "text/TerminalText.h"

namespace quorvane::gui {

namespace {

// The exit statuses of the command line, which runs this drawing and reports its status.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// What the drawing reads and writes: the program state and messages on standard error, cleaned
// of control characters as the command line's are.
struct ChartRun {
    TerminalStream shownErr{std::cerr};
    TerminalDialogs dialogs{shownErr.stream(), std::cin, false, false};
    ProgramState state;

    int usageError(const std::string& text) {
        shownErr.stream() << "Usage: " << text << '\n';
        return kExitUsage;
    }
};

}  // namespace

int renderChartFile(const ChartRenderRequest& request) {
    ChartRun context;
    const auto kind = chartKindNamed(request.kind);
    if (!kind) {
        return context.usageError("--render-chart wants standings, targets or money");
    }
    if (request.outFile.empty()) {
        return context.usageError("--render-chart needs --out FILE.png");
    }
    const FileTarget target{request.outFile, request.replace, ".png"};
    const std::optional<std::string> dataFolder =
        request.dataFolder.empty() ? std::nullopt : std::optional<std::string>(request.dataFolder);
    if (!openCommandStore(context.state, context.dialogs, dataFolder) ||
        !openDraftByIdOrName(context.state, context.dialogs, request.draft)) {
        return kExitFailed;
    }
    // Refused before the figures are worked out: a pipe named as the file would otherwise be
    // found only at the end.
    if (const FileWriteResult checked = checkFileTarget(target, ownFilesOf(context.state));
        !checked.ok()) {
        context.dialogs.showMessage("Chart", fileProblemText(checked, target),
                                    MessageIcon::Exclamation);
        return kExitFailed;
    }
    const auto data =
        shown(context.dialogs, chartData(context.state, request.includeReserves, *kind));
    if (!data) {
        return kExitFailed;
    }
    BarChartView view;
    view.resize(request.width, request.height);
    view.showChart(*data);
    const QByteArray picture = view.pngPicture();
    if (picture.isEmpty()) {
        context.dialogs.showMessage("Chart", "The chart could not be written to " + request.outFile,
                                    MessageIcon::Exclamation);
        return kExitFailed;
    }
    const FileWriteResult written = writeFileSafely(
        target, ownFilesOf(context.state),
        std::string_view(picture.constData(), static_cast<std::size_t>(picture.size())));
    if (!written.ok()) {
        context.dialogs.showMessage("Chart", fileProblemText(written, target),
                                    MessageIcon::Exclamation);
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace quorvane::gui
