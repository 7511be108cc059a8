// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;
class QVBoxLayout;

namespace quorvane {
struct MoneyLine;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class DraftNotesPanel;
class MyTeamPanelView;
class WebPane;

// The pane beside the tabs. While a draft is open it shows the user's team on top and, below,
// the draft ("Draft Info": the money list or draft order and the turn buttons), the notes and
// log, or a player's page; without a draft, the help topics.
class SidePane final : public QWidget {
    Q_OBJECT
  public:
    enum Page { kDraftPage, kNotesPage, kWebPage };

    SidePane(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    MyTeamPanelView* myTeam() const { return m_myTeam; }
    DraftNotesPanel* notes() const { return m_notes; }
    WebPane* webPane() const { return m_webPane; }
    QPushButton* skipButton() const { return m_skip; }
    QPushButton* undoButton() const { return m_undoPick; }

    // The first time a draft is open the pane turns from help to the draft.
    void showDraftOpen(const std::string& templateName, bool complete);
    void showMoney(const std::vector<MoneyLine>& lines);
    void showPage(Page page);
    Page currentPage() const;
    bool draftShown() const { return m_draftShown; }

  signals:
    void pageChanged();

  private:
    QWidget* buildDraftInfo();
    void giveRoomTo(int page);

    // The share of the pane's height, in percent, a player's page takes while it is shown.
    static constexpr int kPageShare = 62;

    QSplitter* m_split = nullptr;
    bool m_pageTookRoom = false;  // a player's page has the larger share of the pane
    MyTeamPanelView* m_myTeam = nullptr;
    QTabWidget* m_pages = nullptr;
    QLabel* m_templateName = nullptr;
    QLabel* m_draftComplete = nullptr;
    QVBoxLayout* m_moneyArea = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_undoPick = nullptr;
    DraftNotesPanel* m_notes = nullptr;
    WebPane* m_webPane = nullptr;
    bool m_draftShown = false;
};

}  // namespace quorvane::gui
