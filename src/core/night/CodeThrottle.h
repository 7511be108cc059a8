// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace quorvane {

// Slows the guessing of join codes per client address: after `freeFailures` wrong codes within
// a minute, the address is refused for a second, twice as long after each further wrong code,
// up to a minute. A right code forgets the address's failures. Times are milliseconds of any
// clock that does not go back.
class CodeThrottle {
  public:
    static constexpr int kFreeFailures = 5;

    // 0 when a code from the address may be checked now, else how many milliseconds it waits.
    std::int64_t waitOf(const std::string& address, std::int64_t nowMs);
    void failed(const std::string& address, std::int64_t nowMs);
    void succeeded(const std::string& address);

  private:
    struct Record {
        int failures = 0;
        std::int64_t lastMs = 0;
    };
    void forgetQuiet(std::int64_t nowMs);

    std::map<std::string, Record> m_records;
};

}  // namespace quorvane
