// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
struct TargetRow;
}  // namespace quorvane

namespace quorvane::gui {

class TargetsChart;

// The "Category Targets" tab: per category of the draft the user's target, his team's
// projected total and the difference, green above the target and dark red below it, and a box
// to punt the category (in a head-to-head league also his chance to win the category in a week
// against the league's average team); beside the panel his team against the league per
// category as a bar chart.
class TargetsPage final : public QWidget {
    Q_OBJECT
  public:
    TargetsPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    static constexpr const char* kHelpPath = "/draft/nba/help_targets.asp";
    // Rows in one column of the panel; the rest continue in a second column.
    static constexpr int kRowsPerColumn = 18;

  public slots:
    // Rebuilds the rows from the stored targets and the last standings.
    void showCategoryTargets();
    // "Update Targets": saves what is typed, recomputes the standings and shows the result.
    void setTargets();

  public:
    // Shows rows a live refresh computed; a target the user is typing stays as typed.
    void showLiveRows(const std::vector<TargetRow>& rows);

  signals:
    void helpRequested(const QString& path);
    // The user ticked or cleared a punt box; the punts are saved and the advice must follow.
    void puntsChanged();

  private:
    void showRows(const std::vector<TargetRow>& rows);
    void showChanceHeadings(const std::vector<TargetRow>& rows);
    static void colourDifference(QLabel* label, const TargetRow& row);
    void clearRows();
    void showPunts();
    void savePuntBoxes();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QGroupBox* frm_batting_targets;
    QGridLayout* m_rowsLayout;
    QLabel* m_secondTargetHeading;
    QLabel* m_secondActualHeading;
    QLabel* m_secondPuntHeading;
    QLabel* m_chanceHeading;
    QLabel* m_secondChanceHeading;
    std::vector<QLabel*> lbl_target;
    std::vector<QLineEdit*> txt_target;
    std::vector<QLineEdit*> txt_actual;
    std::vector<QLabel*> lbl_diff;
    std::vector<QCheckBox*> chk_punt;
    std::vector<QLabel*> lbl_chance;
    std::vector<int> m_categoryIds;  // of the rows, in order
    QPushButton* cmd_set_targets;
    QPushButton* cmd_help_targets;
    QLabel* lbl_target_directions;
    TargetsChart* m_chart;
};

}  // namespace quorvane::gui
