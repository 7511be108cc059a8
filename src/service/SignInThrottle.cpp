// SPDX-License-Identifier: MIT
#include "service/SignInThrottle.h"

#include <algorithm>

namespace quorvane::service {

namespace {

// Past this many failures the wait is at its longest anyway; older ones need not be kept.
constexpr std::size_t kFailuresKept = 32;
constexpr unsigned kSettlesBetweenSweeps = 256;

std::chrono::seconds roundedUp(std::chrono::steady_clock::duration duration) {
    return std::chrono::ceil<std::chrono::seconds>(duration);
}

}  // namespace

SignInThrottle::SignInThrottle(ThrottleRules rules, SteadyClock clock)
    : m_rules(rules), m_clock(std::move(clock)) {}

std::chrono::steady_clock::time_point SignInThrottle::now() const {
    return m_clock ? m_clock() : std::chrono::steady_clock::now();
}

std::chrono::seconds SignInThrottle::waitOf(Record& record,
                                            std::chrono::steady_clock::time_point time) const {
    auto& failures = record.failures;
    while (!failures.empty() && failures.front().at + m_rules.window <= time) {
        failures.pop_front();
    }
    const auto count = static_cast<int>(failures.size());
    if (count < m_rules.freeFailures) {
        // Sign-ins still being checked may use up the free failures.
        return count + record.checking < m_rules.freeFailures ? std::chrono::seconds(0)
                                                              : std::chrono::seconds(1);
    }
    const int doublings = std::min(count - m_rules.freeFailures, 30);
    const auto wait =
        std::min<std::chrono::seconds>(m_rules.firstWait * (1LL << doublings), m_rules.longestWait);
    const auto until = failures.back().at + wait;
    if (time < until) {
        return roundedUp(until - time);
    }
    return record.checking == 0 ? std::chrono::seconds(0) : std::chrono::seconds(1);
}

bool SignInThrottle::trusts(const std::string& account, const std::string& address) const {
    const auto found = m_trusted.find(account);
    return found != m_trusted.end() &&
           std::find(found->second.begin(), found->second.end(), address) != found->second.end();
}

SignInThrottle::Admission SignInThrottle::admit(const std::string& account,
                                                const std::string& address) {
    const auto time = now();
    const std::lock_guard lock(m_mutex);
    std::chrono::seconds wait{0};
    if (const auto found = m_addresses.find(address); found != m_addresses.end()) {
        wait = std::max(wait, waitOf(found->second, time));
    }
    if (const auto found = m_accounts.find(account);
        found != m_accounts.end() && !trusts(account, address)) {
        wait = std::max(wait, waitOf(found->second, time));
    }
    if (wait > std::chrono::seconds(0)) {
        return {false, wait};
    }
    ++m_addresses[address].checking;
    ++m_accounts[account].checking;
    return {true, std::chrono::seconds(0)};
}

void SignInThrottle::settleRecord(Records& records, const std::string& key,
                                  const std::string& other, Outcome outcome,
                                  std::chrono::steady_clock::time_point time) {
    const auto found = records.find(key);
    if (found == records.end()) {
        return;
    }
    Record& record = found->second;
    record.checking = std::max(record.checking - 1, 0);
    if (outcome == Outcome::Succeeded) {
        std::erase_if(record.failures,
                      [&other](const Failure& failure) { return failure.other == other; });
    } else if (outcome == Outcome::Failed) {
        record.failures.push_back({other, time});
        if (record.failures.size() > kFailuresKept) {
            record.failures.pop_front();
        }
    }
    if (record.failures.empty() && record.checking == 0) {
        records.erase(found);
    }
}

void SignInThrottle::settle(const std::string& account, const std::string& address,
                            Outcome outcome) {
    const auto time = now();
    const std::lock_guard lock(m_mutex);
    settleRecord(m_accounts, account, address, outcome, time);
    settleRecord(m_addresses, address, account, outcome, time);
    if (outcome == Outcome::Succeeded) {
        auto& trusted = m_trusted[account];
        std::erase(trusted, address);
        trusted.push_front(address);
        if (trusted.size() > m_rules.trustedAddressesPerAccount) {
            trusted.pop_back();
        }
    }
    if (++m_settledSinceSweep >= kSettlesBetweenSweeps) {
        m_settledSinceSweep = 0;
        forgetQuietRecords(time);
    }
}

void SignInThrottle::forgetQuietRecords(std::chrono::steady_clock::time_point time) {
    for (Records* records : {&m_accounts, &m_addresses}) {
        std::erase_if(*records, [this, time](const auto& entry) {
            const Record& record = entry.second;
            return record.checking == 0 &&
                   (record.failures.empty() || record.failures.back().at + m_rules.window <= time);
        });
    }
}

}  // namespace quorvane::service
