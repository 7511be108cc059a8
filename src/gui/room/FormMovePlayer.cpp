// SPDX-License-Identifier: MIT
#include "gui/room/FormMovePlayer.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "gui/app/MainWindowView.h"
#include "gui/room/ChoiceLists.h"
#include "room/MovePlayer.h"
#include "room/RecordPick.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

FormMovePlayer::FormMovePlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                               int playerId, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_view(view), m_playerId(playerId) {
    setObjectName("form_moveplayer");
    setWindowTitle("Change Position/Team");

    lbl_plName = makeNamed<QLabel>("lbl_plName", this);
    QFont bold = lbl_plName->font();
    bold.setBold(true);
    lbl_plName->setFont(bold);
    cmb_teams = makeNamed<QComboBox>("cmb_teams", this);
    cmb_position = makeNamed<QComboBox>("cmb_position", this);
    lbl_dollars = new QLabel("Dollars:", this);
    txt_dollars = makeNamed<QLineEdit>("txt_dollars", this);
    cmd_change = makeNamed<QPushButton>("cmd_change", "Change", this);
    cmd_change->setDefault(true);
    cmd_drop = makeNamed<QPushButton>("cmd_drop", "Drop Player", this);
    cmd_cancel = makeNamed<QPushButton>("cmd_cancel", "Cancel", this);

    auto* form = new QFormLayout();
    form->addRow(lbl_plName);
    form->addRow("Team:", cmb_teams);
    form->addRow("Position:", cmb_position);
    form->addRow(lbl_dollars, txt_dollars);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(cmd_change);
    buttons->addWidget(cmd_drop);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    connect(cmd_change, &QPushButton::clicked, this, &FormMovePlayer::change);
    connect(cmd_drop, &QPushButton::clicked, this, &FormMovePlayer::drop);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // A player is on one team of a draft at most, so his id names the pick.
    const int teamid = teamOfPlayer(m_state, m_playerId);
    const std::optional<MoveForm> move = openMovePlayer(m_state, m_playerId, teamid);
    const bool auction =
        m_state.draftSettings() && m_state.draftSettings()->drafttype == kDraftTypeAuction;
    lbl_dollars->setVisible(auction);
    txt_dollars->setVisible(auction);
    if (!move) {
        // An unreadable pick leaves the name, price and slots empty; the teams still show.
        fillTeamList(*cmb_teams, fillTeams(m_state, teamid));
        return;
    }
    lbl_plName->setText(QString::fromStdString(move->playerName));
    fillTeamList(*cmb_teams, move->teams);
    fillPositionList(*cmb_position, move->positions);
    txt_dollars->setText(QString::fromStdString(move->dollars));
}

// The move already rebuilt the draft room; the main window only shows it.
void FormMovePlayer::showRebuiltRoom(const MoveResult& result) {
    if (result.view) {
        m_view.showRoomView(*result.view);
    } else {
        m_view.refreshMain();
    }
}

void FormMovePlayer::change() {
    const MoveResult result = changePlayer(
        m_state, m_dialogs, m_playerId, selectedTeamId(*cmb_teams), selectedText(*cmb_position),
        txt_dollars->text().toStdString(), m_view.playerListView());
    switch (result.outcome) {
        case MoveOutcome::Changed:
            showRebuiltRoom(result);
            accept();
            break;
        case MoveOutcome::Failed:
            reject();
            break;
        case MoveOutcome::Stopped:
            break;
    }
}

void FormMovePlayer::drop() {
    const MoveResult result = dropPlayer(m_state, m_dialogs, m_playerId, selectedTeamId(*cmb_teams),
                                         m_view.playerListView());
    if (result.outcome == MoveOutcome::Changed) {
        showRebuiltRoom(result);
        accept();
    } else {
        reject();
    }
}

}  // namespace quorvane::gui
