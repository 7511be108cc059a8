// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCommandLineParser>

#include <optional>
#include <string>

#include "app/DataFolder.h"
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/Version.h"
#include "gui/app/FormMain.h"
#include "gui/app/GuiDialogs.h"
#include "gui/app/GuiStartupShell.h"

int main(int argc, char** argv) {
    using namespace quorvane;

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
    parser.process(application);
    std::optional<std::string> folder;
    if (parser.isSet(dataDir)) {
        folder = parser.value(dataDir).toStdString();
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
