// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "projections/Exports.h"

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// " Select Export Destination Directory": the user picks a folder in a tree that starts in his
// home folder, and the export of one kind ("roster", "draft", "hprojections") is written there.
class FormExportDir final : public QDialog {
    Q_OBJECT
  public:
    FormExportDir(ProgramState& state, UserDialogs& dialogs, MainWindowView& view, std::string kind,
                  QWidget* parent = nullptr);

    // The folder the export goes to: the one selected in the tree.
    QString selectedFolder() const;
    void selectFolder(const QString& path);

  private:
    void exportToFolder();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    const std::optional<ExportKind> m_kind;

    QLabel* lblTitle = nullptr;
    QLabel* lblInstr = nullptr;
    QFileSystemModel* m_folders = nullptr;
    QTreeView* Dir1 = nullptr;
    QPushButton* cmdExport = nullptr;
};

}  // namespace quorvane::gui
