// SPDX-License-Identifier: MIT
#include "gui/room/FormAddKeeperPlayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "gui/room/ChoiceLists.h"
#include "room/Keepers.h"
#include "room/RecordPick.h"

namespace quorvane::gui {

FormAddKeeperPlayer::FormAddKeeperPlayer(ProgramState& state, UserDialogs& dialogs,
                                         MainWindowView& /*view*/, int playerId, int teamId,
                                         QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_playerId(playerId) {
    setObjectName("form_addKeeperPlayer");
    setWindowTitle("Add Keeper");

    Label1 = new QLabel("Player:", this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("Position:", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Dollars:", this);
    Label3->setObjectName("Label3");
    Label4 = new QLabel("Team:", this);
    Label4->setObjectName("Label4");
    lbl_playerName = new QLabel(this);
    lbl_playerName->setObjectName("lbl_playerName");
    cmb_team = new QComboBox(this);
    cmb_team->setObjectName("cmb_team");
    cmb_pos = new QComboBox(this);
    cmb_pos->setObjectName("cmb_pos");
    txt_dollars = new QLineEdit(this);
    txt_dollars->setObjectName("txt_dollars");
    cmd_add = new QPushButton("Add Keeper", this);
    cmd_add->setObjectName("cmd_add");
    cmd_add->setDefault(true);
    cmd_cancel = new QPushButton("Cancel", this);
    cmd_cancel->setObjectName("cmd_cancel");

    auto* form = new QFormLayout();
    form->addRow(Label1, lbl_playerName);
    form->addRow(Label4, cmb_team);
    form->addRow(Label2, cmb_pos);
    form->addRow(Label3, txt_dollars);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmd_add);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(cmd_add, &QPushButton::clicked, this, &FormAddKeeperPlayer::addKeeperPlayer);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);

    const std::optional<KeeperDialog> keeper = openKeeperDialog(m_state, m_dialogs, m_playerId);
    if (!keeper) {
        cmd_add->setEnabled(false);
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    lbl_playerName->setText(QString::fromStdString(keeper->playerName));
    Label3->setVisible(keeper->showDollars);
    txt_dollars->setVisible(keeper->showDollars);
    fillTeamList(*cmb_team, fillTeams(m_state, teamId));
    fillPositionList(*cmb_pos, keeper->positions);
}

int FormAddKeeperPlayer::chosenTeamId() const {
    return selectedTeamId(*cmb_team);
}

void FormAddKeeperPlayer::addKeeperPlayer() {
    switch (addKeeper(m_state, m_dialogs, m_playerId, selectedTeamId(*cmb_team),
                      selectedText(*cmb_pos), txt_dollars->text().toStdString())) {
        case KeeperOutcome::Added:
            accept();
            break;
        case KeeperOutcome::Failed:
            reject();
            break;
        case KeeperOutcome::Stopped:
            break;
    }
}

}  // namespace quorvane::gui
