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

}  // namespace quorvane
