// SPDX-License-Identifier: MIT
#include "gui/room/RosterRowHeaderModel.h"

namespace quorvane::gui {

RosterRowHeaderModel::RosterRowHeaderModel(QObject* parent) : QIdentityProxyModel(parent) {}

void RosterRowHeaderModel::setRowHeaders(std::vector<std::string> headers) {
    m_rowHeaders = std::move(headers);
}

QVariant RosterRowHeaderModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 &&
        static_cast<std::size_t>(section) < m_rowHeaders.size()) {
        return QString::fromStdString(m_rowHeaders[static_cast<std::size_t>(section)]);
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}

}  // namespace quorvane::gui
