// SPDX-License-Identifier: MIT
#include "model/DraftModelCache.h"

#include <utility>

#include "store/Connection.h"
#include "store/DataVersion.h"

namespace quorvane {

DraftModelCache::FileState DraftModelCache::fileState(Connection& connection) {
    return {dataVersion(connection), connection.totalChanges()};
}

bool DraftModelCache::holds(Connection& connection, int templateId, int projectionYear) const {
    if (!m_model || m_model->template_id() != templateId ||
        m_model->projectionYear != projectionYear || !m_read.dataVersion) {
        return false;
    }
    return fileState(connection) == m_read;
}

void DraftModelCache::keep(Connection& connection, DraftModel model) {
    // The file's version as the model's rows were read, not as it is now: a commit of another
    // program that fell between is read again, never taken as seen.
    m_read = {model.dataVersion, connection.totalChanges()};
    m_model = std::move(model);
}

void DraftModelCache::acceptOwnChanges(Connection& connection) {
    // Only this connection's own changes are taken as seen: a commit of another program since the
    // model was read still makes it stale (data_version does not move for a connection's own).
    m_read.totalChanges = connection.totalChanges();
}

void DraftModelCache::forget() {
    m_model.reset();
}

}  // namespace quorvane
