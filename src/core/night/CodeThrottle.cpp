// SPDX-License-Identifier: MIT
#include "night/CodeThrottle.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::int64_t kWindowMs = 60000;
constexpr std::int64_t kFirstWaitMs = 1000;
constexpr std::int64_t kLongestWaitMs = 60000;
// A room's worth of phones; past it, quiet addresses are forgotten before a new one is kept.
constexpr std::size_t kKeptAddresses = 1024;

}  // namespace

std::int64_t CodeThrottle::waitOf(const std::string& address, std::int64_t nowMs) {
    const auto found = m_records.find(address);
    if (found == m_records.end()) {
        return 0;
    }
    const Record& record = found->second;
    if (record.failures < kFreeFailures) {
        return 0;
    }
    const int doublings = std::min(record.failures - kFreeFailures, 16);
    const std::int64_t wait = std::min(kFirstWaitMs << doublings, kLongestWaitMs);
    return std::max<std::int64_t>(0, record.lastMs + wait - nowMs);
}

void CodeThrottle::failed(const std::string& address, std::int64_t nowMs) {
    if (m_records.size() >= kKeptAddresses) {
        forgetQuiet(nowMs);
    }
    Record& record = m_records[address];
    if (record.failures > 0 && nowMs - record.lastMs > kWindowMs) {
        record = Record{};
    }
    ++record.failures;
    record.lastMs = nowMs;
}

void CodeThrottle::succeeded(const std::string& address) {
    m_records.erase(address);
}

void CodeThrottle::forgetQuiet(std::int64_t nowMs) {
    std::erase_if(m_records, [nowMs](const auto& entry) {
        return nowMs - entry.second.lastMs > kLongestWaitMs;
    });
}

}  // namespace quorvane
