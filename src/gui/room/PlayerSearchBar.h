// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

#include "room/PlayerLists.h"

class QComboBox;
class QPushButton;

namespace quorvane {
struct ProgramState;
}

namespace quorvane::gui {

// "Last Name Search:" with completion as the user types, "News" and "Add Player".
class PlayerSearchBar final : public QWidget {
    Q_OBJECT
  public:
    explicit PlayerSearchBar(ProgramState& state, QWidget* parent = nullptr);

    // Lists every player of the projection season; a failure is logged and the list kept.
    void fillSearchList();
    // Lists the players again after the draft changed, keeping what the user is typing.
    void reloadPlayers();
    // Empties the box (after a pick, so that its player is not picked twice).
    void clearSearch();
    // The player whose entry the typed text matches, 0 when none does.
    int plid() const { return m_plid; }

  signals:
    void addPlayerRequested(int playerId);
    void customPlayerRequested();
    void playerPageRequested(int playerId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void complete(const QString& typed);
    // The player of the entry the user chose from the list, 0 when the text was typed.
    int chosenPlayer() const;
    void addPlayer();
    void showNews();

    ProgramState& m_state;
    std::vector<SearchEntry> m_entries;
    int m_plid = 0;
    int m_chosenEntry = -1;
    // Backspace or Delete was pressed: the next text change is the user's deletion, which the
    // box must not complete again at once.
    bool m_searchNoComplete = false;
    QComboBox* cmb_search = nullptr;
    QPushButton* cmd_search = nullptr;
    QPushButton* cmd_addplayer = nullptr;
};

}  // namespace quorvane::gui
