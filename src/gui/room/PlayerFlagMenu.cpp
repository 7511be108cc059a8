// SPDX-License-Identifier: MIT
#include "gui/room/PlayerFlagMenu.h"

#include <QAction>

namespace quorvane::gui {

namespace {

struct FlagItem {
    const char* name;
    const char* caption;
};

constexpr FlagItem kFlagItems[3] = {
    {"mnuSleeper", "Sleeper"}, {"mnuBust", "Bust"}, {"mnuUpside", "Upside"}};

}  // namespace

PlayerFlagMenu::PlayerFlagMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("mnuFaPopup"));
    for (int index = 0; index < 3; ++index) {
        QAction* item = addAction(QString::fromLatin1(kFlagItems[index].caption));
        item->setObjectName(QString::fromLatin1(kFlagItems[index].name));
        item->setCheckable(true);
        const int flag = index + 1;
        connect(item, &QAction::triggered, this, [this, flag] { emit flagChosen(flag); });
        m_items[index] = item;
    }
}

void PlayerFlagMenu::tickFlag(int flag) {
    for (int index = 0; index < 3; ++index) {
        m_items[index]->setChecked(index + 1 == flag);
    }
}

Rgb PlayerFlagMenu::rowColour(int flag) {
    switch (flag) {
        case 1:
            return {0x00, 0xFF, 0x00};
        case 2:
            return {0xFF, 0x80, 0x80};
        case 3:
            return {0x00, 0xFF, 0xFF};
        default:
            return {0xFF, 0xFF, 0xFF};
    }
}

}  // namespace quorvane::gui
