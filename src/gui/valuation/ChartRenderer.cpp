// SPDX-License-Identifier: MIT
#include "gui/valuation/ChartRenderer.h"

#include <iostream>

#include "app/SafeFileWriter.h"
#include "app/UserDialogs.h"
#include "cli/CliContext.h"
#include "gui/widgets/BarChartView.h"
#include "valuation/ChartData.h"

namespace quorvane::gui {

int renderChartFile(const ChartRenderRequest& request) {
    const cli::CliIo io{std::cout, std::cerr, std::cin, false};
    cli::CliContext context(io);
    const auto kind = chartKindNamed(request.kind);
    if (!kind) {
        return context.usageError("--render-chart wants standings, targets or money");
    }
    if (request.outFile.empty()) {
        return context.usageError("--render-chart needs --out FILE.png");
    }
    const FileTarget target{request.outFile, request.replace, ".png"};
    context.dataDirOption = request.dataFolder;
    if (!context.loadDraftArgument(request.draft)) {
        return cli::kExitFailed;
    }
    // Refused before the figures are worked out: a pipe named as the file would otherwise be
    // found only at the end.
    if (const FileWriteResult checked = checkFileTarget(target, ownFilesOf(context.state));
        !checked.ok()) {
        context.dialogs.showMessage("Chart", fileProblemText(checked, target),
                                    MessageIcon::Exclamation);
        return cli::kExitFailed;
    }
    context.state.includeReserves = request.includeReserves;
    const auto data = chartData(context.state, context.dialogs, *kind);
    if (!data) {
        return cli::kExitFailed;
    }
    BarChartView view;
    view.resize(request.width, request.height);
    view.showChart(*data);
    const QByteArray picture = view.pngPicture();
    if (picture.isEmpty()) {
        context.dialogs.showMessage("Chart", "The chart could not be written to " + request.outFile,
                                    MessageIcon::Exclamation);
        return cli::kExitFailed;
    }
    const FileWriteResult written = writeFileSafely(
        target, ownFilesOf(context.state),
        std::string_view(picture.constData(), static_cast<std::size_t>(picture.size())));
    if (!written.ok()) {
        context.dialogs.showMessage("Chart", fileProblemText(written, target),
                                    MessageIcon::Exclamation);
        return cli::kExitFailed;
    }
    return cli::kExitDone;
}

}  // namespace quorvane::gui
