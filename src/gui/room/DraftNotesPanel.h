// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <string>

class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace quorvane {
struct GridTable;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class GridTableModel;

// "Notes" and "Drafted" share one place: the draft's notes, saved when the box loses the focus,
// or the draft log, newest pick first.
class DraftNotesPanel final : public QWidget {
    Q_OBJECT
  public:
    DraftNotesPanel(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    void showNotes(const std::string& notes);
    void showDraftLog(const GridTable& log);
    // 0 the notes, 1 the draft log.
    void showPart(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ProgramState& m_state;
    UserDialogs& m_dialogs;
    GridTableModel* m_logModel;
    QPushButton* cmd_notes[2] = {};
    QStackedWidget* m_stack = nullptr;
    QPlainTextEdit* txt_notes = nullptr;
    QTableView* dg_drafted = nullptr;
};

}  // namespace quorvane::gui
