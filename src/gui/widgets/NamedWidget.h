// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <utility>

namespace quorvane::gui {

// A new control with its objectName, the name tests and readers look for it by.
template <typename Widget, typename... Args>
Widget* makeNamed(const char* objectName, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

}  // namespace quorvane::gui
