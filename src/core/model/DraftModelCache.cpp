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
    if (!m_model || m_model->template_id != templateId ||
        m_model->projectionYear != projectionYear || !m_read.dataVersion) {
        return false;
    }
    return fileState(connection) == m_read;
}

void DraftModelCache::keep(Connection& connection, DraftModel model) {
    m_model = std::move(model);
    m_read = fileState(connection);
}

void DraftModelCache::acceptOwnChanges(Connection& connection) {
    m_read = fileState(connection);
}

void DraftModelCache::forget() {
    m_model.reset();
}

}  // namespace quorvane
