// SPDX-License-Identifier: MIT
#pragma once

#include <QIdentityProxyModel>

#include <string>
#include <vector>

namespace quorvane::gui {

// Labels each row of a roster grid with the slot it stands for ("G", "NA", blank for a player
// without a slot) instead of a row number.
class RosterRowHeaderModel final : public QIdentityProxyModel {
    Q_OBJECT
  public:
    explicit RosterRowHeaderModel(QObject* parent = nullptr);

    // Takes effect with the next reset of the source model.
    void setRowHeaders(std::vector<std::string> headers);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<std::string> m_rowHeaders;
};

}  // namespace quorvane::gui
