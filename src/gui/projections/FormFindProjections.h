// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <memory>
#include <optional>

#include "projections/ProjectionImport.h"

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace quorvane {
struct ProgramState;
class UrlTransfer;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// Loads new projections: downloaded from the projection service with the user's name and
// password, or from a file the user picks from a folder tree and its list of *.csv files.
class FormFindProjections final : public QDialog {
    Q_OBJECT
  public:
    // Downloads through the program's HTTPS client.
    FormFindProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    // Downloads through the given transfer, which must outlive the window.
    FormFindProjections(ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer,
                        QWidget* parent = nullptr);
    ~FormFindProjections() override;

    // The folder whose *.csv files are listed (the user's home folder at first).
    void setFolder(const QString& folder);
    QString folder() const;

  signals:
    // New projections were loaded by a double-click or a download: the draft room must be
    // rebuilt.
    void refreshRequested();

  private:
    FormFindProjections(ProgramState& state, UserDialogs& dialogs,
                        std::unique_ptr<UrlTransfer> transfer, QWidget* parent);
    void buildWindow();
    void updateProjections();
    void showProgress(const QString& text, long long done, long long total);
    void finishLoad();
    void folderChosen(const QModelIndex& index);
    void selectFile();
    void fileDoubleClicked(const QModelIndex& index);
    std::optional<ImportResult> importFile(const QString& path);
    QString selectedFile() const;

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    std::unique_ptr<UrlTransfer> m_ownTransfer;
    UrlTransfer* m_transfer;
    QFileSystemModel* m_folderModel = nullptr;
    QFileSystemModel* m_fileModel = nullptr;

    QTreeView* Dir1 = nullptr;
    QListView* FilList = nullptr;
    QPushButton* cmdSelect = nullptr;
    QLabel* lblInstructions = nullptr;
    QLabel* lbl_username = nullptr;
    QLabel* lbl_password = nullptr;
    QLineEdit* txt_username = nullptr;
    QLineEdit* txt_password = nullptr;
    QPushButton* cmd_updProj = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbl_lastUpdated = nullptr;
    QLabel* lblUpdate = nullptr;
    QProgressBar* progressImport = nullptr;
};

}  // namespace quorvane::gui
