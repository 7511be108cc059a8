// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

namespace quorvane::gui {

// A small modal "please wait" window that the user cannot close: it goes away when the work it
// stands for has ended.
class BusyDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit BusyDialog(const QString& text, QWidget* parent = nullptr);

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// Runs `work` on a worker thread while a modal BusyDialog keeps the windows painted and answers
// no clicks elsewhere; returns once the work has ended. An exception of the work is thrown again
// here, on the calling thread.
void runWhileBusy(QWidget* parent, const QString& text, const std::function<void()>& work);

}  // namespace quorvane::gui
