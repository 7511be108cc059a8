// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace quorvane {

class Connection;

// SQLite's count of changes that other connections (other programs) committed to the file
// since this connection opened it; this connection's own commits do not change it. Read
// every second by an open window, so a failure is neither logged nor kept as the connection's
// last failure: nullopt, and the next look tries again.
std::optional<std::int64_t> dataVersion(Connection& connection);

// A number that changes with every change to the file, this connection's rows as well as other
// programs' commits: what was read from the file still stands while it reads the same. None
// when the data version could not be read.
std::optional<std::int64_t> fileChangeStamp(Connection& connection);

}  // namespace quorvane
