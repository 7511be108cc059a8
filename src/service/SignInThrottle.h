// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "service/ClientAuthorisations.h"

namespace quorvane::service {

struct ThrottleRules {
    int freeFailures = 5;  // failed sign-ins within the window before waits begin
    std::chrono::seconds window{std::chrono::minutes(10)};
    std::chrono::seconds firstWait{30};  // doubled with every further failure
    std::chrono::seconds longestWait{std::chrono::minutes(10)};
    std::size_t trustedAddressesPerAccount = 8;
};

// Slows password guessing per account and per client address. After `freeFailures` failed
// sign-ins within `window`, a key (the account, or the address) is refused for `firstWait`
// after its latest failure, twice as long after each further one, up to `longestWait`; only one
// sign-in of a key is checked at a time then. Sign-ins being checked count as failures until they
// are settled, so a burst of parallel guesses gets no more than the free ones.
//
// A success forgets the failures of that account from that address and makes the address one
// the account trusts: guesses at the account from elsewhere never lock its owner out of an
// address he signed in from before, while that address's own failures still count against it.
class SignInThrottle {
  public:
    explicit SignInThrottle(ThrottleRules rules = {}, SteadyClock clock = {});

    struct Admission {
        bool admitted = false;
        std::chrono::seconds retryAfter{0};  // when refused
    };
    enum class Outcome { Succeeded, Failed, Unchecked };
    // Whether the sign-in may be checked now. Every admitted sign-in is settled afterwards.
    Admission admit(const std::string& account, const std::string& address);
    void settle(const std::string& account, const std::string& address, Outcome outcome);

  private:
    struct Failure {
        std::string other;  // the address of an account's failure, the account of an address's
        std::chrono::steady_clock::time_point at;
    };
    struct Record {
        std::deque<Failure> failures;  // oldest first
        int checking = 0;
    };
    using Records = std::map<std::string, Record, std::less<>>;

    std::chrono::steady_clock::time_point now() const;
    // How long the key must wait before a sign-in is checked; 0 when it may go ahead.
    std::chrono::seconds waitOf(Record& record, std::chrono::steady_clock::time_point time) const;
    bool trusts(const std::string& account, const std::string& address) const;
    void settleRecord(Records& records, const std::string& key, const std::string& other,
                      Outcome outcome, std::chrono::steady_clock::time_point time);
    void forgetQuietRecords(std::chrono::steady_clock::time_point time);

    ThrottleRules m_rules;
    SteadyClock m_clock;
    std::mutex m_mutex;
    Records m_accounts;
    Records m_addresses;
    std::map<std::string, std::deque<std::string>, std::less<>> m_trusted;
    unsigned m_settledSinceSweep = 0;
};

}  // namespace quorvane::service
