// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace quorvane::test {

// Acts on a modal window as soon as it is the active one: tests answer the windows that the
// program opens with exec(). Returns a flag that turns true once `act` ran. A window that does
// not come within the time limit is waited for no longer, and a modal window still open then is
// closed so that the test ends instead of hanging.
inline std::shared_ptr<bool> whenModalShown(const QString& objectName,
                                            std::function<void(QWidget*)> act,
                                            int timeoutMs = 5000) {
    auto done = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->objectName() == objectName) {
            timer->stop();
            timer->deleteLater();
            *done = true;
            act(modal);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (modal != nullptr) {
                modal->close();
            }
        }
    });
    timer->start(10);
    return done;
}

// Closes every modal window the program opens while it lives and remembers their names, so a
// test can check which window an action opened without answering it.
class ModalCloser {
  public:
    ModalCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                closed.push_back(dialog->objectName());
                dialog->reject();
            }
        });
        m_timer.start(10);
    }
    std::vector<QString> closed;

  private:
    QTimer m_timer;
};

}  // namespace quorvane::test
