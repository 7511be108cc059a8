// SPDX-License-Identifier: MIT
#include "gui/widgets/BusyTransfer.h"

#include <utility>

#include "gui/widgets/BusyDialog.h"

namespace quorvane::gui {

BusyTransfer::BusyTransfer(UrlTransfer& transfer, QWidget* parent, QString text)
    : m_transfer(transfer), m_parent(parent), m_text(std::move(text)) {}

TransferAnswer BusyTransfer::fetch(const std::string& url) {
    TransferAnswer answer;
    runWhileBusy(m_parent, m_text, [&] { answer = m_transfer.fetch(url); });
    return answer;
}

}  // namespace quorvane::gui
