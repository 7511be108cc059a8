// SPDX-License-Identifier: MIT
#include "gui/room/FormAddPlayer.h"
#include "gui/widgets/NamedWidget.h"
#include "session/TurnConversation.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/MainWindowView.h"
#include "gui/room/ChoiceLists.h"
#include "gui/room/FormMovePlayer.h"
#include "gui/room/RoomGridView.h"
#include "gui/widgets/TeamChoiceBox.h"
#include "room/RecordPick.h"
#include "room/SlotChoice.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane::gui {

FormAddPlayer::FormAddPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                             int playerId, QWidget* parent)
    : FormAddPlayer(state, dialogs, view, playerId, std::nullopt, parent) {}

FormAddPlayer::FormAddPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                             int playerId, std::optional<int> preselectTeamId, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_view(view), m_playerId(playerId) {
    setObjectName("form_addplayer");
    setWindowTitle("Add Player");
    buildControls();

    const std::optional<AddPlayerWindow> window =
        openAddPlayer(m_state, m_playerId, preselectTeamId);
    if (window && window->rosterFailure) {
        showMessage(m_dialogs, *window->rosterFailure);
    }
    if (!window) {
        // Nothing can be recorded for a player who cannot be read: the window goes away as
        // soon as it is shown.
        cmd_addplayer->setEnabled(false);
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    lbl_player->setText(QString::fromStdString(window->playerLabel));
    Label3->setVisible(window->showDollars);
    txt_dollars->setVisible(window->showDollars);
    fillTeamList(*cmb_team, window->teams);
    fillPositionList(*cmb_pos, window->positions);
    m_rosterTeamId = window->form().teamid;
    frm_roster->setTitle(QString::fromStdString(window->roster.title));
    dg_roster->showRoster(window->roster);
    // A pick by keyboard: type the price (auction) or press Enter.
    if (window->showDollars) {
        txt_dollars->setFocus();
    } else {
        cmd_addplayer->setFocus();
    }
}

void FormAddPlayer::buildControls() {
    Label1 = makeNamed<QLabel>("Label1", "Team:", this);
    Label2 = makeNamed<QLabel>("Label2", "Player:", this);
    Label3 = makeNamed<QLabel>("Label3", "Dollars:", this);
    Label4 = makeNamed<QLabel>("Label4", "Pos:", this);
    lbl_player = makeNamed<QLabel>("lbl_player", this);
    QFont bold = lbl_player->font();
    bold.setBold(true);
    lbl_player->setFont(bold);
    cmb_team = makeNamed<TeamChoiceBox>("cmb_team", this);
    cmb_team->setToolTip("Type the buyer's name or draft position");
    cmb_pos = makeNamed<QComboBox>("cmb_pos", this);
    txt_dollars = makeNamed<QLineEdit>("txt_dollars", this);
    frm_roster = makeNamed<QGroupBox>("frm_roster", this);
    dg_roster = makeNamed<RoomGridView>("dg_roster", frm_roster);
    dg_roster->setToolTip("Double-click on player to move to another team or pos.");
    cmd_addplayer = makeNamed<QPushButton>("cmd_addplayer", "Add Player", this);
    cmd_addplayer->setDefault(true);
    cmd_cancel = makeNamed<QPushButton>("cmd_cancel", "Cancel", this);

    // In the order a sale is typed: the price, the buyer, then Enter.
    auto* form = new QFormLayout();
    form->addRow(Label2, lbl_player);
    form->addRow(Label3, txt_dollars);
    form->addRow(Label1, cmb_team);
    form->addRow(Label4, cmb_pos);
    auto* rosterLayout = new QVBoxLayout(frm_roster);
    rosterLayout->addWidget(dg_roster);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmd_addplayer);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(frm_roster, 1);
    layout->addLayout(buttons);
    resize(520, 560);
    setTabOrder(txt_dollars, cmb_team);
    setTabOrder(cmb_team, cmb_pos);
    setTabOrder(cmb_pos, cmd_addplayer);
    setTabOrder(cmd_addplayer, cmd_cancel);
    setTabOrder(cmd_cancel, dg_roster);

    connect(cmb_team, &QComboBox::currentIndexChanged, this, &FormAddPlayer::teamChosen);
    connect(dg_roster, &QAbstractItemView::doubleClicked, this,
            &FormAddPlayer::rosterDoubleClicked);
    connect(cmd_addplayer, &QPushButton::clicked, this, &FormAddPlayer::addPlayer);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FormAddPlayer::showTeamRoster(int teamid) {
    const RosterRead read = getAPRoster(m_state, teamid);
    if (read.failure) {
        showMessage(m_dialogs, *read.failure);
    }
    const RosterGrid& roster = read.grid;
    m_rosterTeamId = teamid;
    frm_roster->setTitle(QString::fromStdString(roster.title));
    dg_roster->showRoster(roster);
}

void FormAddPlayer::teamChosen() {
    const int teamid = selectedTeamId(*cmb_team);
    if (teamid != m_rosterTeamId) {
        showTeamRoster(teamid);
        // The slot that has room depends on the team.
        if (const auto slot = preselectSlot(m_state, m_playerId, teamid)) {
            fillPositionList(*cmb_pos, *slot);
        }
    }
}

void FormAddPlayer::rosterDoubleClicked(const QModelIndex& index) {
    const std::optional<int> playerid = dg_roster->idAt(index.row(), 0);
    if (!playerid) {
        return;
    }
    FormMovePlayer move(m_state, m_dialogs, m_view, *playerid, this);
    move.exec();
    showTeamRoster(selectedTeamId(*cmb_team));
}

void FormAddPlayer::addPlayer() {
    PickForm form;
    form.teamid = selectedTeamId(*cmb_team);
    form.pos = selectedText(*cmb_pos);
    form.dollars = txt_dollars->text().toStdString();
    const PickResult result = recordPick(m_state, m_dialogs, m_playerId, form);
    switch (result.outcome) {
        case PickOutcome::Recorded:
            if (result.view) {
                m_view.showRoomView(*result.view);
            }
            accept();
            break;
        case PickOutcome::Failed:
            reject();
            break;
        case PickOutcome::Stopped:
            break;
    }
}

}  // namespace quorvane::gui
