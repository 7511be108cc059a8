// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

namespace quorvane::test {

// The window's child of that object name; a test without it cannot go on.
template <typename T>
T* child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no child %s", name);
    }
    return found;
}

}  // namespace quorvane::test
