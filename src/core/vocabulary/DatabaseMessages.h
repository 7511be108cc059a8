// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvane {

// The standard database messages, shown by many operations.
inline constexpr std::string_view kDatabaseErrorTitle = "Database Error";
inline constexpr std::string_view kDatabaseAccessMessage =
    "An error occured accessing database. If this continues then please contact customer "
    "support.";
inline constexpr std::string_view kDatabaseUpdateMessage =
    "An error occured updating database. If this continues then please contact customer "
    "support.";

// Told instead of a failure's own message when another program held the database past the
// busy timeout: nothing was written, and trying again later will do.
inline constexpr std::string_view kDatabaseBusyTitle = "Database Busy";
inline constexpr std::string_view kDatabaseBusyMessage =
    "Database is busy. Another program is writing to the draft database, so nothing was "
    "changed. Please try again in a moment.";
inline constexpr std::string_view kDatabaseBusyLogLine =
    " 009 error: database is busy - another program held it past the wait, nothing was written";

}  // namespace quorvane
