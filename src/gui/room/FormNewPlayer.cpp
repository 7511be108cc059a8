// SPDX-License-Identifier: MIT
#include "gui/room/FormNewPlayer.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/MainWindowView.h"
#include "gui/room/ChoiceLists.h"
#include "gui/room/FormAddPlayer.h"
#include "room/CustomPlayers.h"
#include "session/CustomPlayerConversation.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

FormNewPlayer::FormNewPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                             QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_view(view) {
    setObjectName("form_newPlayer");
    setWindowTitle("Add New Player");

    txt_firstname = makeNamed<QLineEdit>("txt_firstname", this);
    txt_lastname = makeNamed<QLineEdit>("txt_lastname", this);
    cmb_team = makeNamed<QComboBox>("cmb_team", this);
    cmb_pos = makeNamed<QComboBox>("cmb_pos", this);
    cmb_teamlist = makeNamed<QComboBox>("cmb_teamlist", this);
    cmd_add = makeNamed<QPushButton>("cmd_add", "Add Player", this);
    cmd_add->setDefault(true);
    cmd_cancel = makeNamed<QPushButton>("cmd_cancel", "Cancel", this);

    auto* form = new QFormLayout();
    form->addRow("First Name:", txt_firstname);
    form->addRow("Last Name:", txt_lastname);
    form->addRow("Team:", cmb_team);
    form->addRow("Position:", cmb_pos);
    form->addRow("Add Directly toTeam:", cmb_teamlist);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmd_add);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmd_add, &QPushButton::clicked, this, &FormNewPlayer::addNewPlayer);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (const char* position : kCustomPositions) {
        cmb_pos->addItem(QString::fromLatin1(position));
    }
    cmb_pos->setCurrentIndex(0);
    fillTeamList(*cmb_teamlist, fillCustomTeamList(m_state));
    const std::optional<std::vector<std::string>> nbaTeams = fillNbaTeams(m_state, m_dialogs);
    if (!nbaTeams) {
        cmd_add->setEnabled(false);
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    for (const std::string& team : *nbaTeams) {
        cmb_team->addItem(QString::fromStdString(team));
    }
    cmb_team->setCurrentIndex(nbaTeams->empty() ? -1 : 0);
}

void FormNewPlayer::addNewPlayer() {
    CustomPlayer player;
    player.firstname = txt_firstname->text().toStdString();
    player.lastname = txt_lastname->text().toStdString();
    player.pos = selectedText(*cmb_pos);
    player.team = selectedText(*cmb_team);
    const std::optional<int> playerid = addCustomPlayer(m_state, m_dialogs, player);
    if (!playerid) {
        return;
    }
    const int teamid = selectedTeamId(*cmb_teamlist);
    if (teamid != 0) {
        FormAddPlayer pick(m_state, m_dialogs, m_view, *playerid, teamid, this);
        pick.exec();
    }
    m_view.refreshMain();
    accept();
}

}  // namespace quorvane::gui
