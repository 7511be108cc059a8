// SPDX-License-Identifier: MIT
#include "gui/widgets/TeamChoiceBox.h"

#include <QKeyEvent>

#include "room/TeamChoiceMatch.h"

namespace quorvane::gui {

namespace {
constexpr qint64 kPauseMs = 1000;
}

TeamChoiceBox::TeamChoiceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

namespace {

bool typedText(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString text = key.text();
    return modifiers == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

bool TeamChoiceBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && typedText(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

void TeamChoiceBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (typedText(*event)) {
        if (!m_lastKey.isValid() || m_lastKey.elapsed() > kPauseMs) {
            m_typed.clear();
        }
        m_lastKey.start();
        m_typed += event->text();
        chooseTyped();
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Backspace && !m_typed.isEmpty()) {
        m_lastKey.start();
        m_typed.chop(1);
        chooseTyped();
        event->accept();
        return;
    }
    m_typed.clear();
    QComboBox::keyPressEvent(event);
}

void TeamChoiceBox::focusOutEvent(QFocusEvent* event) {
    m_typed.clear();
    QComboBox::focusOutEvent(event);
}

void TeamChoiceBox::chooseTyped() {
    std::vector<TeamChoice> teams;
    teams.reserve(static_cast<std::size_t>(count()));
    for (int index = 0; index < count(); ++index) {
        teams.push_back({itemText(index).toStdString(), itemData(index).toInt()});
    }
    if (const auto chosen = matchTeamChoice(teams, m_typed.toStdString())) {
        const int index = static_cast<int>(*chosen);
        if (index != currentIndex()) {
            setCurrentIndex(index);
            emit activated(index);
        }
    }
}

}  // namespace quorvane::gui
