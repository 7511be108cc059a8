// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quorvane::gui {

// One line of text that never wraps or widens its window: a text too long first gives up some of
// its font size (down to the share set with setLeastScale), then ends in "…", and the tooltip
// holds the whole text, with any details set beside it.
class ElidedLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as given; text() is what the label shows.
    void setFullText(const QString& text, const QString& details = QString());
    const QString& fullText() const { return m_full; }
    // How far the font may shrink before the text is cut: 0.8 is four fifths of its size.
    void setLeastScale(qreal scale);
    // The font the text is drawn in now.
    const QFont& drawnFont() const { return m_drawn; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void elide();

    QString m_full;
    QString m_details;
    qreal m_leastScale = 1.0;
    QFont m_drawn;
};

}  // namespace quorvane::gui
