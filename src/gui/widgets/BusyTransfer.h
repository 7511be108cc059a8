// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "platform/UrlTransfer.h"

class QWidget;

namespace quorvane::gui {

// Puts another transfer's requests on a worker thread behind a modal busy window, so that a
// slow service (up to the time-out) never freezes the program. Requests still run one at a
// time and in the order they are made, and the caller gets the same answer as from the
// transfer itself; messages about the answer are shown by the caller, on this thread.
class BusyTransfer final : public UrlTransfer {
  public:
    explicit BusyTransfer(UrlTransfer& transfer, QWidget* parent = nullptr,
                          QString text = QStringLiteral("Contacting the projection service..."));

    TransferAnswer fetch(const std::string& url) override;

  private:
    UrlTransfer& m_transfer;
    QWidget* m_parent;
    QString m_text;
};

}  // namespace quorvane::gui
