// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane::gui {

// The strip under the clock banner of a practice auction while a player is up for sale: who he
// is and the most the user may bid, the field "Your limit" (whole dollars, 0 to pass) and the
// button that confirms it; Enter in the field confirms too.
class PracticeBidBar final : public QWidget {
    Q_OBJECT
  public:
    explicit PracticeBidBar(QWidget* parent = nullptr);

    // Shows the sale and gives the field the keyboard, empty.
    void ask(const QString& sale);
    QLineEdit* limitField() const { return m_limit; }

  signals:
    // The text the user confirmed, unchecked: whoever settles the sale reads it.
    void limitConfirmed(const QString& text);

  private:
    QLabel* m_sale = nullptr;
    QLineEdit* m_limit = nullptr;
    QPushButton* m_bid = nullptr;
};

}  // namespace quorvane::gui
