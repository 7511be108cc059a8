// SPDX-License-Identifier: MIT
#include "gui/app/LoadedWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include <array>

namespace quorvane::gui {

namespace {

struct ActionButtons {
    const char* window;
    std::array<const char*, 3> buttons;  // unused places stay null
};

// The buttons of each window that start work on the draft.
const std::array<ActionButtons, 6> kActionButtons = {{
    {"form_setup", {"Command4", "Command5", "Command6"}},
    {"form_opendraft", {"cmd_open"}},
    {"form_newdraft", {"Command1"}},
    {"form_moveplayer", {"cmd_change"}},
    {"form_main", {"cmd_updateDollars"}},
    {"form_addplayer", {"cmd_addplayer"}},
}};

}  // namespace

QWidget* findLoadedForm(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return window;
        }
    }
    return nullptr;
}

bool isFormLoaded(const QString& name) {
    return findLoadedForm(name) != nullptr;
}

void enableActionButtons(bool enabled) {
    for (const ActionButtons& entry : kActionButtons) {
        QWidget* window = findLoadedForm(QString::fromLatin1(entry.window));
        if (window == nullptr) {
            continue;
        }
        for (const char* buttonName : entry.buttons) {
            if (buttonName == nullptr) {
                continue;
            }
            if (auto* button =
                    window->findChild<QAbstractButton*>(QString::fromLatin1(buttonName))) {
                button->setEnabled(enabled);
            }
        }
    }
}

}  // namespace quorvane::gui
