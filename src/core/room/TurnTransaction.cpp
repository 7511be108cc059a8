// SPDX-License-Identifier: MIT
#include "room/TurnTransaction.h"

#include <utility>

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "room/WriteFailures.h"
#include "store/Connection.h"
#include "store/DataVersion.h"

namespace quorvane {

TurnTransaction::TurnTransaction(Connection& connection, DraftModel& model)
    : m_connection(connection), m_model(model), m_guard(connection), m_write(connection, m_draft) {}

bool TurnTransaction::open(std::string_view busyLine) {
    if (!m_model.settings) {
        m_failure = databaseFailure(m_connection, {});
        return false;
    }
    if (!m_guard.begun()) {
        m_failure = databaseFailure(m_connection, busyLine);
        return false;
    }
    const std::optional<std::int64_t> version = dataVersion(m_connection);
    m_outsideChange = !version || version != m_model.dataVersion;
    // This program's own statements move the stamp as well: settings read before them are read
    // again, whoever changed the file.
    const std::optional<std::int64_t> stamp = fileChangeStamp(m_connection);
    if (!stamp || stamp != m_model.settings->readAtDataVersion) {
        readSettings(std::make_shared<const DraftSettings>(
                         readDraftSettings(m_connection, m_model.settings->template_id, false)),
                     m_model);
    }
    m_fileSettings = m_model.settings;
    m_draft = *m_fileSettings;
    std::optional<StandingTurns> turns = m_write.reconcile();
    if (!turns) {
        m_failure = failed({});
        return false;
    }
    if (!holdsPickRows(m_model, turns->taken)) {
        applyPickRows(turns->taken, m_model);
        m_outsideChange = true;
    }
    // What a rollback leaves: the tables as they were, whose history calls for this turn.
    if (m_fileSettings->turnNumber != m_draft.turnNumber) {
        DraftSettings restored = *m_fileSettings;
        restored.turnNumber = m_draft.turnNumber;
        m_fileSettings = std::make_shared<const DraftSettings>(std::move(restored));
    }
    m_standing = std::move(turns->standing);
    m_model.dataVersion = version;
    // The rule decides at the turn the reconciled history puts on the clock.
    readSettings(std::make_shared<const DraftSettings>(m_draft), m_model);
    return true;
}

std::optional<WriteFailure> TurnTransaction::refusal(const Decision& decision,
                                                     const Consent& consent) {
    std::optional<WriteFailure> refused;
    if (decision.refusal) {
        refused = refusedBy(*decision.refusal);
    } else {
        for (const Question& question : decision.questions) {
            if (!consent.covers(question)) {
                refused = unanswered(question);
                break;
            }
        }
    }
    if (refused) {
        m_guard.rollback();
        restoreModel();
    }
    return refused;
}

WriteFailure TurnTransaction::failed(std::string_view logLine) {
    WriteFailure failure =
        databaseFailure(m_connection, logLine.empty() ? m_write.failedLine() : logLine);
    m_guard.rollback();
    restoreModel();
    return failure;
}

bool TurnTransaction::commit() {
    // Read before the commit, which changes no row: after it another program may already
    // have written.
    const std::optional<std::int64_t> stamp = fileChangeStamp(m_connection);
    if (!m_guard.commit()) {
        return false;
    }
    m_draft.readAtDataVersion = stamp;
    readSettings(std::make_shared<const DraftSettings>(std::move(m_draft)), m_model);
    return true;
}

void TurnTransaction::restoreModel() {
    if (m_fileSettings) {
        readSettings(m_fileSettings, m_model);
    }
}

}  // namespace quorvane
