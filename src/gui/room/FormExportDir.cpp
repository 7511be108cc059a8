// SPDX-License-Identifier: MIT
#include "gui/room/FormExportDir.h"
#include "gui/widgets/NamedWidget.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

#include "platform/SafeFileWriter.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

FormExportDir::FormExportDir(ProgramState& state, UserDialogs& dialogs, MainWindowView& /*view*/,
                             std::string kind, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_kind(exportKindOf(kind)) {
    setObjectName("form_exportDir");
    setWindowTitle(" Select Export Destination Directory");

    lblTitle = makeNamed<QLabel>("lblTitle", this);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle->setFont(titleFont);
    lblInstr = makeNamed<QLabel>("lblInstr", QString::fromStdString(exportInstruction()), this);
    lblInstr->setWordWrap(true);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    Dir1 = makeNamed<QTreeView>("Dir1", this);
    Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->header()->hide();
    cmdExport = makeNamed<QPushButton>("cmdExport", "Export", this);
    cmdExport->setDefault(true);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblInstr);
    layout->addWidget(Dir1, 1);
    layout->addLayout(buttons);
    resize(460, 480);

    connect(cmdExport, &QPushButton::clicked, this, &FormExportDir::exportToFolder);

    if (m_kind) {
        lblTitle->setText(QString::fromStdString(exportTitle(*m_kind)));
    } else {
        cmdExport->setEnabled(false);
    }
    selectFolder(QDir::homePath());
}

QString FormExportDir::selectedFolder() const {
    const QModelIndex current = Dir1->currentIndex();
    return current.isValid() ? m_folders->filePath(current) : QString();
}

void FormExportDir::selectFolder(const QString& path) {
    const QModelIndex folder = m_folders->index(path);
    if (!folder.isValid()) {
        return;
    }
    Dir1->setCurrentIndex(folder);
    Dir1->expand(folder);
    Dir1->scrollTo(folder);
}

void FormExportDir::exportToFolder() {
    const QString folder = selectedFolder();
    if (!m_kind || folder.isEmpty()) {
        return;
    }
    const std::filesystem::path file =
        std::filesystem::path(folder.toStdString()) / exportFileName(*m_kind);
    const bool replace =
        checkFileTarget({file, false, {}}, ownFilesOf(m_state)).problem == FileWriteProblem::Exists;
    if (replace && !m_dialogs.askYesNo(exportTitle(*m_kind), replaceFileQuestion(file))) {
        return;  // the user may choose another folder
    }
    // Written or not, the window's work is done: a failure was shown and logged.
    runExport(m_state, m_dialogs, *m_kind, folder.toStdString(), replace);
    accept();
}

}  // namespace quorvane::gui
