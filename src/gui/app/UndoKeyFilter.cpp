// SPDX-License-Identifier: MIT
#include "gui/app/UndoKeyFilter.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace quorvane::gui {

UndoKeyFilter::UndoKeyFilter(QObject* parent) : QObject(parent) {}

void UndoKeyFilter::watch(QLineEdit* edit) {
    edit->installEventFilter(this);
    m_textAtFocus.insert(edit, edit->text());
    connect(edit, &QObject::destroyed, this, [this, edit] { m_textAtFocus.remove(edit); });
}

void UndoKeyFilter::watch(QComboBox* combo) {
    combo->installEventFilter(this);
    if (combo->lineEdit() != nullptr) {
        watch(combo->lineEdit());
    }
}

QLineEdit* UndoKeyFilter::editOf(QObject* watched) {
    if (auto* combo = qobject_cast<QComboBox*>(watched)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit*>(watched);
}

bool UndoKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    QLineEdit* edit = editOf(watched);
    if (edit == nullptr) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        m_textAtFocus.insert(edit, edit->text());
    } else if (event->type() == QEvent::ShortcutOverride &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) &&
               (!edit->isUndoAvailable() || edit->text() == m_textAtFocus.value(edit))) {
        // Not overridden: the window's shortcut undoes the pick.
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvane::gui
