// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

#include "availability/Availability.h"
#include "availability/AvailabilityColumns.h"

namespace quorvane::gui {

class NewestRun;

// Works out who is still there at the user's next turns on a thread of its own, from a copy of
// the draft, so that the window never waits for it. A newer start cancels the run before it; only
// the figures of the newest run are handed on, on the window's thread.
class AvailabilityRunner final : public QObject {
    Q_OBJECT
  public:
    explicit AvailabilityRunner(QObject* parent = nullptr);

    // Starts a run for the model's state unless one for the same state runs or has finished.
    void start(const DraftModel& model);
    // The figures of the last finished run; null before the first.
    const AvailabilityShown* shown() const { return m_shown.get(); }

  signals:
    void finished();

  private:
    NewestRun* m_run;
    std::shared_ptr<const AvailabilityShown> m_shown;
};

}  // namespace quorvane::gui
