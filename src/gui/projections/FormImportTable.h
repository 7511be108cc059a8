// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "projections/ProjectionTable.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// Imports a projection table of another layout: the user picks a file (text or workbook, and
// the sheet) or pastes a table copied from a page, sees its first rows with the field each
// column feeds (and may change it), per game or totals, the season and the source, checks the
// result with a dry run, settles the rows it lists (a player, a new player or none) and then
// imports with a progress bar.
class FormImportTable final : public QDialog {
    Q_OBJECT
  public:
    FormImportTable(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Reads a table and shows it with the detected mapping; false when it could not be read.
    bool loadTable(const QString& path, const QString& sheet = {});
    // Takes a table as a browser copies it (tab separated, a heading line or none); false when
    // the text holds no table.
    bool pasteTable(const QString& text);
    // A dry run (nothing written) or the import, with the window's choices.
    std::optional<TableImportReport> runImport(bool dryRun);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // Players were imported: values and grids of the draft room are out of date.
    void refreshRequested();

  private:
    void chooseFile();
    void pasteFromClipboard();
    void showTable(const QString& label, const QString& source);
    void showPreview(const TableLayout& layout);
    void showReview(const TableImportReport& report);
    void clearReview();
    // The review tab's title counts the rows it lists.
    void showReviewCount();
    TableImportOptions chosenOptions(bool dryRun) const;
    void showReport(const TableImportReport& report, bool dryRun);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    std::optional<TableFile> m_file;
    QString m_path;  // the file, or a label for a pasted table
    std::vector<QComboBox*> m_fieldChoices;
    std::vector<QComboBox*> m_rowChoices;  // one per row of grid_review
    std::vector<std::string> m_reviewLabels;

    QLineEdit* txt_file = nullptr;
    QPushButton* cmd_browse = nullptr;
    QPushButton* cmd_paste = nullptr;
    QComboBox* cmb_sheet = nullptr;
    QTableWidget* grid_review = nullptr;
    QTableWidget* grid_preview = nullptr;
    QComboBox* cmb_figures = nullptr;
    QSpinBox* spn_season = nullptr;
    QLineEdit* txt_source = nullptr;
    QPushButton* cmd_dryrun = nullptr;
    QPushButton* cmd_import = nullptr;
    QPushButton* cmd_close = nullptr;
    QProgressBar* prg_import = nullptr;
    QPlainTextEdit* txt_report = nullptr;
};

}  // namespace quorvane::gui
