// SPDX-License-Identifier: MIT
#include "gui/room/AvailabilityRunner.h"

#include "availability/TurnSequence.h"
#include "gui/widgets/NewestRun.h"

namespace quorvane::gui {

AvailabilityRunner::AvailabilityRunner(QObject* parent)
    : QObject(parent), m_run(new NewestRun(this)) {
    connect(m_run, &NewestRun::finished, this, &AvailabilityRunner::finished);
}

void AvailabilityRunner::start(const DraftModel& model) {
    std::string key = availabilityKey(model);
    const ModelTeam* mine = model.myTeam();
    if (mine == nullptr) {
        auto none = std::make_shared<const AvailabilityShown>(AvailabilityShown{key, {}});
        m_run->settle(std::move(key), [this, none] { m_shown = none; });
        return;
    }
    AvailabilityRequest request;
    request.team = static_cast<std::size_t>(mine - model.teams.data());
    request.seed = defaultSeed(model);
    m_run->start(
        key, [this, copy = model, request, key](std::stop_token stop) -> std::function<void()> {
            const std::optional<AvailabilityFigures> figures = availability(copy, request, stop);
            if (!figures) {
                return {};
            }
            auto shown =
                std::make_shared<const AvailabilityShown>(availabilityShown(copy, *figures, key));
            return [this, shown] { m_shown = shown; };
        });
}

}  // namespace quorvane::gui
