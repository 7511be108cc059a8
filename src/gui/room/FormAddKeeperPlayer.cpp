// SPDX-License-Identifier: MIT
#include "gui/room/FormAddKeeperPlayer.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/room/ChoiceLists.h"
#include "gui/widgets/TeamChoiceBox.h"
#include "room/Keepers.h"
#include "room/RecordPick.h"
#include "session/KeeperConversation.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

FormAddKeeperPlayer::FormAddKeeperPlayer(ProgramState& state, UserDialogs& dialogs,
                                         MainWindowView& /*view*/, int playerId, int teamId,
                                         QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_playerId(playerId) {
    setObjectName("form_addKeeperPlayer");
    setWindowTitle("Add Keeper");

    Label1 = makeNamed<QLabel>("Label1", "Player:", this);
    Label2 = makeNamed<QLabel>("Label2", "Position:", this);
    Label3 = makeNamed<QLabel>("Label3", "Dollars:", this);
    Label4 = makeNamed<QLabel>("Label4", "Team:", this);
    lbl_playerName = makeNamed<QLabel>("lbl_playerName", this);
    cmb_team = makeNamed<TeamChoiceBox>("cmb_team", this);
    cmb_pos = makeNamed<QComboBox>("cmb_pos", this);
    txt_dollars = makeNamed<QLineEdit>("txt_dollars", this);
    lbl_surplus = makeNamed<QLabel>("lbl_surplus", this);
    cmd_add = makeNamed<QPushButton>("cmd_add", "Add Keeper", this);
    cmd_add->setDefault(true);
    cmd_cancel = makeNamed<QPushButton>("cmd_cancel", "Cancel", this);

    auto* form = new QFormLayout();
    form->addRow(Label1, lbl_playerName);
    form->addRow(Label4, cmb_team);
    form->addRow(Label2, cmb_pos);
    form->addRow(Label3, txt_dollars);
    form->addRow(QString(), lbl_surplus);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmd_add);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    // From the keyboard a keeper is his price, Tab, his team typed by name, Enter.
    setTabOrder(txt_dollars, cmb_team);
    setTabOrder(cmb_team, cmb_pos);
    setTabOrder(cmb_pos, cmd_add);
    setTabOrder(cmd_add, cmd_cancel);

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
    lbl_surplus->setVisible(keeper->showDollars);
    const auto showSurplus = [this, value = keeper->value](const QString& price) {
        lbl_surplus->setText(
            QString::fromStdString(keeperSurplusCaption(value, price.toStdString())));
    };
    showSurplus(txt_dollars->text());
    connect(txt_dollars, &QLineEdit::textChanged, this, showSurplus);
    fillTeamList(*cmb_team, fillTeams(m_state, teamId));
    fillPositionList(*cmb_pos, keeper->positions);
    if (keeper->showDollars) {
        txt_dollars->setFocus();
    } else {
        cmb_team->setFocus();
    }
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
