// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// A failed statement as a writer returns it: the busy message when another program held the
// database past the wait (its log line written), else the standard access message; then the
// writer's own numbered log line, when it has one, is written after it.
WriteFailure databaseFailure(const Connection& connection, std::string_view logLine);

// A rule's question that the caller had not agreed to: nothing was written.
WriteFailure unanswered(const Question& question);

}  // namespace quorvane
