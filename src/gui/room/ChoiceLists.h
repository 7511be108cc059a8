// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QComboBox;

namespace quorvane {
struct TeamSelector;
struct PositionChoice;
}  // namespace quorvane

namespace quorvane::gui {

// The drop-down lists the draft-room dialogs share: teams carry their teamid as item data.
void fillTeamList(QComboBox& list, const TeamSelector& teams);
void fillPositionList(QComboBox& list, const PositionChoice& positions);
// The teamid of the selected entry, 0 when nothing is selected.
int selectedTeamId(const QComboBox& list);
std::string selectedText(const QComboBox& list);

}  // namespace quorvane::gui
