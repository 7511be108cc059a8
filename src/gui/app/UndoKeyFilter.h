// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;

namespace quorvane::gui {

// Ctrl+Z in the room's text boxes. A box undoes what the user typed in it since it last took
// the keyboard; with nothing of his to undo (text put there by the program, a name left over
// from a pick window he cancelled, his typing already undone) the key goes on to the window and
// undoes the last pick.
class UndoKeyFilter final : public QObject {
    Q_OBJECT
  public:
    explicit UndoKeyFilter(QObject* parent);

    void watch(QLineEdit* edit);
    // An editable combo box: it and its line edit take the keyboard in turn.
    void watch(QComboBox* combo);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static QLineEdit* editOf(QObject* watched);

    // Per box, the text it held when it last took the keyboard.
    QHash<const QLineEdit*, QString> m_textAtFocus;
};

}  // namespace quorvane::gui
