// SPDX-License-Identifier: MIT
#include "gui/app/PracticeBots.h"

#include <QMetaObject>

#include "session/ProgramState.h"

namespace quorvane::gui {

PracticeBots::PracticeBots(QObject* parent) : QObject(parent) {}

// The thread is stopped before the object it reports to goes.
PracticeBots::~PracticeBots() {
    m_practice.stop();
}

void PracticeBots::start(const ProgramState& state, const PracticeRunOptions& options) {
    if (!state.draftSettings()) {
        return;
    }
    const PracticeTarget target{state.dataFolder, state.draftSettings()->template_id,
                                state.projectionYear};
    BackgroundPractice::Events events;
    events.picked = [this](const PracticePick&) {
        QMetaObject::invokeMethod(
            this, [this] { emit picked(); }, Qt::QueuedConnection);
    };
    events.ended = [this](const PracticeRunResult& result) {
        const PracticeStop stop = result.stop;
        const int nominated = result.nominated;
        QMetaObject::invokeMethod(
            this, [this, stop, nominated] { emit ended(stop, nominated); }, Qt::QueuedConnection);
    };
    events.message = [this](std::string title, std::string text, MessageIcon icon) {
        QMetaObject::invokeMethod(
            this,
            [this, title, text, icon] {
                emit message(QString::fromStdString(title), QString::fromStdString(text),
                             static_cast<int>(icon));
            },
            Qt::QueuedConnection);
    };
    m_practice.start(target, options, std::move(events));
}

void PracticeBots::stop() {
    m_practice.stop();
}

}  // namespace quorvane::gui
