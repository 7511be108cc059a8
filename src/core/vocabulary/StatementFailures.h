// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;
class Log;

// Failures as writers and readers return them (Outcome.h), with the log lines they write.

// A refusal: writes the log line and returns the message under `title`.
WriteFailure loggedRefusal(const Log& log, std::string_view title, std::string text,
                           std::string logLine);

// A statement that failed: the busy message (its log line written) when another program held
// the database past the wait, else `shown`; then `logLine`, when given, is written after it.
WriteFailure statementFailed(const Connection& connection, Message shown,
                             std::string_view logLine = {});

// The same with `text` under "Database Error".
WriteFailure statementFailed(const Connection& connection, std::string_view text,
                             std::string_view logLine = {});

}  // namespace quorvane
