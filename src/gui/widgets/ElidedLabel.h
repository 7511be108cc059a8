// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quorvane::gui {

// One line of text that never wraps or widens its window: what does not fit ends in "…", and
// the tooltip holds the whole text, with any details set beside it.
class ElidedLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as given; text() is what the label shows.
    void setFullText(const QString& text, const QString& details = QString());
    const QString& fullText() const { return m_full; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void elide();

    QString m_full;
    QString m_details;
};

}  // namespace quorvane::gui
