// SPDX-License-Identifier: MIT
#include "gui/room/ChoiceLists.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "room/PickChecks.h"
#include "room/PlayerLists.h"

namespace quorvane::gui {

void fillTeamList(QComboBox& list, const TeamSelector& teams) {
    // Filling is not a choice of the user: no roster is rebuilt for each entry added.
    const QSignalBlocker blocker(list);
    list.clear();
    for (const TeamChoice& team : teams.teams) {
        list.addItem(QString::fromStdString(team.teamname), team.teamid);
    }
    list.setCurrentIndex(teams.selected);
}

void fillPositionList(QComboBox& list, const PositionChoice& positions) {
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& position : positions.positions) {
        list.addItem(QString::fromStdString(position));
    }
    // Slots the player cannot fill stay on offer below a line, out of the keyboard's first reach.
    const int split = positions.playerSlots;
    if (split > 0 && split < list.count()) {
        list.insertSeparator(split);
    }
    list.setCurrentIndex(split > 0 && positions.selected >= split ? positions.selected + 1
                                                                  : positions.selected);
}

int selectedTeamId(const QComboBox& list) {
    return list.currentIndex() < 0 ? 0 : list.currentData().toInt();
}

std::string selectedText(const QComboBox& list) {
    return list.currentIndex() < 0 ? std::string() : list.currentText().toStdString();
}

}  // namespace quorvane::gui
