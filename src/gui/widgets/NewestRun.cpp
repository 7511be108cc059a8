// SPDX-License-Identifier: MIT
#include "gui/widgets/NewestRun.h"

#include <QMetaObject>

namespace quorvane::gui {

NewestRun::NewestRun(QObject* parent) : QObject(parent) {}

NewestRun::~NewestRun() {
    cancel();
}

// The work looks at its stop token often, so the join is short.
void NewestRun::cancel() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void NewestRun::start(std::string key, Work work) {
    if (key == m_key) {
        return;
    }
    cancel();
    m_key = std::move(key);
    const std::uint64_t generation = ++m_generation;
    m_thread = std::jthread([this, work = std::move(work), generation](std::stop_token stop) {
        std::function<void()> deliver = work(stop);
        if (!deliver || stop.stop_requested()) {
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, deliver = std::move(deliver), generation] {
                if (generation == m_generation) {
                    deliver();
                    emit finished();
                }
            },
            Qt::QueuedConnection);
    });
}

void NewestRun::settle(std::string key, const std::function<void()>& deliver) {
    if (key == m_key) {
        return;
    }
    cancel();
    m_key = std::move(key);
    ++m_generation;
    deliver();
    emit finished();
}

}  // namespace quorvane::gui
