// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCommandLineParser>

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "gui/app/FormMain.h"
#include "gui/app/GuiDialogs.h"
#include "gui/app/GuiStartupShell.h"
#include "gui/valuation/ChartRenderer.h"
#include "platform/DataFolder.h"
#include "platform/Version.h"
#include "session/ProgramState.h"
#include "session/Startup.h"

int main(int argc, char** argv) {
    using namespace quorvane;

    // Neither printing the version nor drawing a chart into a file needs a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version" || argument == "-v") {
            std::cout << "quorvane-draft " << kAppVersion << '\n';
            return 0;
        }
        if (argument == "--render-chart" && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size())));
    QApplication::setApplicationVersion(
        QString::fromUtf8(kAppVersion.data(), static_cast<qsizetype>(kAppVersion.size())));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Folder that holds the draft database."),
                                     QStringLiteral("DIR"));
    parser.addOption(dataDir);
    const QCommandLineOption renderChart(
        QStringLiteral("render-chart"),
        QStringLiteral("Draw a chart of a draft into a PNG file without a window and end: "
                       "standings, targets or money."),
        QStringLiteral("KIND"));
    const QCommandLineOption draft(QStringLiteral("draft"),
                                   QStringLiteral("The draft of --render-chart, by id or name."),
                                   QStringLiteral("DRAFT"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("The PNG file --render-chart writes."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption reserves(QStringLiteral("reserves"),
                                      QStringLiteral("--render-chart counts the reserve picks."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("--render-chart replaces an existing file."));
    parser.addOptions({renderChart, draft, out, reserves, force});
    parser.process(application);
    std::optional<std::string> folder;
    if (parser.isSet(dataDir)) {
        folder = parser.value(dataDir).toStdString();
    }
    if (parser.isSet(renderChart)) {
        return gui::renderChartFile({parser.value(renderChart).toStdString(),
                                     parser.value(draft).toStdString(),
                                     parser.value(out).toStdString(), folder.value_or(""),
                                     parser.isSet(reserves), parser.isSet(force)});
    }

    ProgramState state;
    gui::GuiDialogs dialogs;
    gui::FormMain window(state, dialogs);
    gui::GuiStartupShell shell(window, state, dialogs);

    int status = 0;
    if (runStartup(state, dialogs, shell, dataFolderCandidates(folder)) ==
        StartupOutcome::Running) {
        status = QApplication::exec();
    } else if (!state.dbConnection.isOpen()) {
        status = 1;
    }
    closeConnection(state.dbConnection);
    return status;
}
