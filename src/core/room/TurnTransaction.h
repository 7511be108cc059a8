// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "model/DraftModel.h"
#include "room/TurnWrites.h"
#include "store/TransactionGuard.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// The frame of a writer that moves the turn. Once the writer's lock is held, what another
// program may have changed since the model was read (the picks, the settings, the turn history)
// is read again into the model, so that the writer's rule decides over the file as it is; what
// the writer then writes and the model agree when it commits, and the model is as the file held
// it when anything fails or is refused.
class TurnTransaction {
  public:
    TurnTransaction(Connection& connection, DraftModel& model);

    // Takes the lock and reads the draft again; false with failure() set when it cannot.
    // `busyLine` is the log line of a lock that could not be had.
    bool open(std::string_view busyLine);
    const WriteFailure& failure() const { return m_failure; }

    // The rule's verdict under the lock: nullopt when it goes with `consent`, else the refusal
    // or the first question not agreed to, with everything rolled back.
    std::optional<WriteFailure> refusal(const Decision& decision, const Consent& consent);
    // A failed statement: everything rolled back. An empty `logLine` takes the turn
    // statements' own.
    WriteFailure failed(std::string_view logLine);
    // Commits and puts the settings as written into the model; false when the commit failed
    // (then call failed()).
    bool commit();

    TurnWrite& write() { return m_write; }
    const DraftSettings& draft() const { return m_draft; }
    const std::vector<HistoryEntry>& standing() const { return m_standing; }
    // Another program wrote to the file since the model was read.
    bool outsideChange() const { return m_outsideChange; }

  private:
    void restoreModel();

    Connection& m_connection;
    DraftModel& m_model;
    TransactionGuard m_guard;
    std::shared_ptr<const DraftSettings> m_fileSettings;
    DraftSettings m_draft;
    TurnWrite m_write;
    std::vector<HistoryEntry> m_standing;
    WriteFailure m_failure;
    bool m_outsideChange = false;
};

}  // namespace quorvane
