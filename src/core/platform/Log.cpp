// SPDX-License-Identifier: MIT
#include "platform/Log.h"

#include <ctime>
#include <fstream>

#include <fmt/format.h>

namespace quorvane {

Log::Log(std::string path, Clock clock) : m_path(std::move(path)), m_clock(std::move(clock)) {}

void Log::writeLog(std::string_view line) const {
    if (m_path.empty()) {
        return;
    }
    std::ofstream file(m_path, std::ios::app | std::ios::binary);
    if (!file) {
        return;
    }
    file << line << '\n';
}

void Log::writeEntry(std::string_view literal) const {
    writeLog(timestamp() + std::string(literal));
}

std::string Log::timestamp() const {
    const auto now = m_clock ? m_clock() : std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", local.tm_year + 1900,
                       local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace quorvane
