// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "draftconfig/SetupForm.h"

class QButtonGroup;
class QComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QVBoxLayout;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// The setup editor: a view over core's SetupForm. It reads its controls into a form, lets core
// validate and save it, and shows the form core hands back. Without an open draft it tells the
// user so and is not shown (exec returns Rejected).
class FormSetup final : public QDialog {
    Q_OBJECT
  public:
    FormSetup(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
              QWidget* parent = nullptr);

    int exec() override;

    // What the controls hold now, as the user typed it.
    SetupForm readForm() const;
    void showForm(const SetupForm& form);
    void showTab(SetupTab tab);

  protected:
    void reject() override;

  private:
    struct TeamRowControls {
        QWidget* row = nullptr;
        QRadioButton* mine = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* order = nullptr;
        QPushButton* remove = nullptr;
    };

    QWidget* buildLeagueTab();
    QWidget* buildDraftTab();
    QWidget* buildTeamTab();
    QWidget* buildRosterTab();
    void showTeamRows(const std::vector<SetupTeamRow>& rows);
    void addTeamRowControls(int index);
    void showWeights(bool visible);
    void showHeadToHead(bool visible);
    void showAuctionFields(bool visible);
    void addTeam();
    void deleteTeamRow(int index);
    // OK and Apply; true when the draft was saved.
    bool save();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_main;
    bool m_loaded = false;
    // The parts of the form the controls do not show: each team row's id and turn flag.
    std::vector<SetupTeamRow> m_teamRows;

    QTabWidget* m_tabs = nullptr;
    QButtonGroup* m_styleGroup = nullptr;
    QRadioButton* m_rotisserie = nullptr;
    QRadioButton* m_fantasyPoints = nullptr;
    QRadioButton* m_headToHead = nullptr;
    QWidget* m_headToHeadRow = nullptr;
    QComboBox* m_headToHeadMode = nullptr;
    QLineEdit* m_gamesPerWeek = nullptr;
    std::array<QCheckBox*, kCategoryBoxCount> m_categoryBoxes{};
    std::array<QLineEdit*, kCategoryBoxCount> m_weights{};
    std::array<QLabel*, kCategoryBoxCount> m_pointsLabels{};
    std::array<QLineEdit*, kCategoryBoxCount> m_ratios{};
    std::array<QLabel*, kCategoryBoxCount> m_ratioLabels{};
    QButtonGroup* m_draftTypeGroup = nullptr;
    QRadioButton* m_auction = nullptr;
    QRadioButton* m_straight = nullptr;
    QRadioButton* m_snake = nullptr;
    QComboBox* m_rounds = nullptr;
    QLineEdit* m_salaryCap = nullptr;
    QLineEdit* m_minBid = nullptr;
    QLabel* m_salaryCapLabel = nullptr;
    QLabel* m_minBidLabel = nullptr;
    QWidget* m_canvas = nullptr;
    QVBoxLayout* m_canvasRows = nullptr;
    QScrollArea* m_teamScroll = nullptr;
    QButtonGroup* m_mineGroup = nullptr;
    std::vector<TeamRowControls> m_teamControls;
    std::array<QComboBox*, kRosterSlotCount> m_rosterLists{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace quorvane::gui
