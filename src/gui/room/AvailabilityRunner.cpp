// SPDX-License-Identifier: MIT
#include "gui/room/AvailabilityRunner.h"

#include <QMetaObject>

#include "availability/TurnSequence.h"

namespace quorvane::gui {

AvailabilityRunner::AvailabilityRunner(QObject* parent) : QObject(parent) {}

AvailabilityRunner::~AvailabilityRunner() {
    cancel();
}

// The run looks at its stop token every few dozen continuations, so the join is short.
void AvailabilityRunner::cancel() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void AvailabilityRunner::start(const DraftModel& model) {
    std::string key = availabilityKey(model);
    if (key == m_runningKey) {
        return;
    }
    cancel();
    m_runningKey = key;
    const ModelTeam* mine = model.myTeam();
    if (mine == nullptr) {
        m_shown = std::make_shared<AvailabilityShown>(AvailabilityShown{key, {}});
        emit finished();
        return;
    }
    AvailabilityRequest request;
    request.team = static_cast<std::size_t>(mine - model.teams.data());
    request.seed = defaultSeed(model);
    const std::uint64_t generation = ++m_generation;
    m_thread = std::jthread([this, copy = model, request, generation,
                             key = std::move(key)](std::stop_token stop) mutable {
        const std::optional<AvailabilityFigures> figures = availability(copy, request, stop);
        if (!figures) {
            return;
        }
        auto shown = std::make_shared<const AvailabilityShown>(
            availabilityShown(copy, *figures, std::move(key)));
        QMetaObject::invokeMethod(
            this,
            [this, shown, generation] {
                if (generation == m_generation) {
                    m_shown = shown;
                    emit finished();
                }
            },
            Qt::QueuedConnection);
    });
}

}  // namespace quorvane::gui
