// SPDX-License-Identifier: MIT
#include "service/DownloadSlots.h"

#include <utility>

namespace quorvane::service {

DownloadSlots::Slot::Slot(Slot&& other) noexcept : m_owner(std::exchange(other.m_owner, nullptr)) {}

DownloadSlots::Slot& DownloadSlots::Slot::operator=(Slot&& other) noexcept {
    if (this != &other) {
        release();
        m_owner = std::exchange(other.m_owner, nullptr);
    }
    return *this;
}

void DownloadSlots::Slot::release() {
    if (m_owner != nullptr) {
        --m_owner->m_taken;
        m_owner = nullptr;
    }
}

DownloadSlots::Slot DownloadSlots::take() {
    if (m_taken >= m_limit) {
        return {};
    }
    ++m_taken;
    return Slot(this);
}

}  // namespace quorvane::service
