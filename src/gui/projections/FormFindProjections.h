// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>

#include "projections/ProjectionImport.h"

class QFileSystemModel;
class QLabel;
class QListView;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace quorvane::gui {

// Loads a projection file the user picks from a folder tree and its list of *.csv files.
class FormFindProjections final : public QDialog {
    Q_OBJECT
  public:
    FormFindProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The folder whose *.csv files are listed (the user's home folder at first).
    void setFolder(const QString& folder);
    QString folder() const;

  signals:
    // New projections were loaded by a double-click: the draft room must be rebuilt.
    void refreshRequested();

  private:
    void folderChosen(const QModelIndex& index);
    void selectFile();
    void fileDoubleClicked(const QModelIndex& index);
    std::optional<ImportResult> importFile(const QString& path);
    QString selectedFile() const;

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QFileSystemModel* m_folderModel = nullptr;
    QFileSystemModel* m_fileModel = nullptr;

    QTreeView* Dir1 = nullptr;
    QListView* FilList = nullptr;
    QPushButton* cmdSelect = nullptr;
    QLabel* lblInstructions = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbl_lastUpdated = nullptr;
    QLabel* lblUpdate = nullptr;
    QProgressBar* progressImport = nullptr;
};

}  // namespace quorvane::gui
