// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace quorvane::gui {

// The loaded window whose objectName is `name`, compared without regard to case; nullptr when
// none is loaded. A window counts as loaded from its creation until it is destroyed, shown or
// not.
QWidget* findLoadedForm(const QString& name);

// True when a window of that name is loaded.
bool isFormLoaded(const QString& name);

// Enables or disables the buttons that start an action in every loaded window, so that no
// second action starts while a refresh runs. Windows that are not loaded stay unloaded.
void enableActionButtons(bool enabled);

}  // namespace quorvane::gui
