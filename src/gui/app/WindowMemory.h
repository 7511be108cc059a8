// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>

#include <string>

class QMainWindow;
class QTableView;

namespace quorvane {
struct PlayerListView;
struct ProgramState;
}  // namespace quorvane

namespace quorvane::gui {

// What the desktop program remembers for the user between runs: the window's place and size,
// its splitters, the grids' column widths and each draft's filter, sort and figures.
QSettings userSettings();

// Puts the window back where the user left it, but always whole on a screen with its title bar
// visible; the first time it fills most of the screen, centred.
void restoreWindowPlace(QMainWindow& window);
void saveWindowPlace(const QMainWindow& window);

// While a view carries this property its column widths are the program's, not the user's.
inline constexpr const char* kFittingColumns = "quorvaneFitting";

// Column widths the user set on a grid, by heading; applied when the grid's columns change.
void applyRememberedWidths(QTableView& view);
// Starts remembering the widths the user gives the grid's columns (once per grid).
void rememberColumnWidths(QTableView& view);

// A draft's position filter, sort column and figures (projections or last season); a draft
// never seen opens with all players, the default order and the projections.
void loadDraftView(ProgramState& state, PlayerListView& list, int templateId);
void saveDraftView(const ProgramState& state, const PlayerListView& list, int templateId);

}  // namespace quorvane::gui
