// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QElapsedTimer>

namespace quorvane::gui {

// A list of teams the keyboard chooses from by typing: a team's name or the start of it (any
// case, blanks included, so "owner 3" is Owner 3), or its draft position. Typing never opens the
// list (Alt+Down or F4 does), and a pause of a second starts a new name. Entries carry their
// teamid as item data, in draft order.
class TeamChoiceBox final : public QComboBox {
    Q_OBJECT
  public:
    explicit TeamChoiceBox(QWidget* parent = nullptr);

    // What has been typed since the last pause.
    const QString& typed() const { return m_typed; }

  protected:
    // Letters and digits are the box's own, never a window's single-key shortcut.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void chooseTyped();

    QString m_typed;
    QElapsedTimer m_lastKey;
};

}  // namespace quorvane::gui
