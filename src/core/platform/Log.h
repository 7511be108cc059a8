// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace quorvane {

using Clock = std::function<std::chrono::system_clock::time_point()>;

// The plain-text error log. Each call opens the file, appends one line and closes it again, so
// no handle stays open between entries and nothing is lost when the program ends abruptly.
class Log {
  public:
    Log() = default;
    explicit Log(std::string path, Clock clock = {});

    const std::string& path() const { return m_path; }

    // Appends the text as one line. A log that cannot be written is not reported: the failure
    // it would describe has already been shown to the user where that matters.
    void writeLog(std::string_view line) const;

    // Appends the local date and time followed directly by the literal, the usual entry shape
    // (" 90005 error: could not start dollar value calc" keeps its leading blank).
    void writeEntry(std::string_view literal) const;

    // Local date and time as YYYY-MM-DD HH:MM:SS.
    std::string timestamp() const;

  private:
    std::string m_path;
    Clock m_clock;
};

}  // namespace quorvane
