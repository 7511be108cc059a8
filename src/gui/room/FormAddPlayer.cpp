// SPDX-License-Identifier: MIT
#include "gui/room/FormAddPlayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "gui/app/MainWindowView.h"
#include "gui/room/ChoiceLists.h"
#include "gui/room/FormMovePlayer.h"
#include "gui/room/RoomGridView.h"
#include "room/RecordPick.h"

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
        openAddPlayer(m_state, m_dialogs, m_playerId, preselectTeamId);
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
}

void FormAddPlayer::buildControls() {
    Label1 = new QLabel("Team:", this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("Player:", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Dollars:", this);
    Label3->setObjectName("Label3");
    Label4 = new QLabel("Pos:", this);
    Label4->setObjectName("Label4");
    lbl_player = new QLabel(this);
    lbl_player->setObjectName("lbl_player");
    QFont bold = lbl_player->font();
    bold.setBold(true);
    lbl_player->setFont(bold);
    cmb_team = new QComboBox(this);
    cmb_team->setObjectName("cmb_team");
    cmb_pos = new QComboBox(this);
    cmb_pos->setObjectName("cmb_pos");
    txt_dollars = new QLineEdit(this);
    txt_dollars->setObjectName("txt_dollars");
    frm_roster = new QGroupBox(this);
    frm_roster->setObjectName("frm_roster");
    dg_roster = new RoomGridView(frm_roster);
    dg_roster->setObjectName("dg_roster");
    dg_roster->setToolTip("Double-click on player to move to another team or pos.");
    cmd_addplayer = new QPushButton("Add Player", this);
    cmd_addplayer->setObjectName("cmd_addplayer");
    cmd_addplayer->setDefault(true);
    cmd_cancel = new QPushButton("Cancel", this);
    cmd_cancel->setObjectName("cmd_cancel");

    auto* form = new QFormLayout();
    form->addRow(Label2, lbl_player);
    form->addRow(Label1, cmb_team);
    form->addRow(Label4, cmb_pos);
    form->addRow(Label3, txt_dollars);
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

    connect(cmb_team, &QComboBox::currentIndexChanged, this, &FormAddPlayer::teamChosen);
    connect(dg_roster, &QAbstractItemView::doubleClicked, this,
            &FormAddPlayer::rosterDoubleClicked);
    connect(cmd_addplayer, &QPushButton::clicked, this, &FormAddPlayer::addPlayer);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FormAddPlayer::showTeamRoster(int teamid) {
    const RosterGrid roster = getAPRoster(m_state, m_dialogs, teamid);
    m_rosterTeamId = teamid;
    frm_roster->setTitle(QString::fromStdString(roster.title));
    dg_roster->showRoster(roster);
}

void FormAddPlayer::teamChosen() {
    const int teamid = selectedTeamId(*cmb_team);
    if (teamid != m_rosterTeamId) {
        showTeamRoster(teamid);
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
    const PickResult result =
        recordPick(m_state, m_dialogs, m_playerId, form, m_view.rosterTeamId());
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
