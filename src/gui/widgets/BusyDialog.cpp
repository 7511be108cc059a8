// SPDX-License-Identifier: MIT
#include "gui/widgets/BusyDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <exception>
#include <thread>

namespace quorvane::gui {

BusyDialog::BusyDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("busyTransfer"));
    setWindowTitle(QStringLiteral("Please Wait"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lbl_busy"));
    layout->addWidget(label);
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("progress_busy"));
    bar->setRange(0, 0);  // no steps to count: the bar only shows that something goes on
    layout->addWidget(bar);
}

void BusyDialog::reject() {
    // Escape must not hide the window while the work goes on behind it.
}

void BusyDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void runWhileBusy(QWidget* parent, const QString& text, const std::function<void()>& work) {
    BusyDialog dialog(text, parent);
    QEventLoop loop;
    // Both flags are only touched on this thread: the worker hands its end over as an event.
    bool finished = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &dialog,
            [&] {
                finished = true;
                loop.quit();
            },
            Qt::QueuedConnection);
    });
    dialog.show();
    // The end may already have been handled while the window was shown; a quit before exec()
    // would be lost and the loop would wait for ever.
    if (!finished) {
        loop.exec();
    }
    worker.join();
    dialog.hide();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace quorvane::gui
