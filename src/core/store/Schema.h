// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

class Connection;

// Creates every table, key and index the program uses (those already there are kept) and the
// rows of `category`, in one transaction. Safe to run on every start.
bool createSchema(Connection& connection);

}  // namespace quorvane
