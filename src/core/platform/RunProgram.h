// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace quorvane {

// Runs a program (a path, or a name looked up on PATH) with the arguments and waits for it;
// `extraEnvironment` holds NAME=VALUE entries set for it alone. Gives its exit status, 127 when
// it could not be started and 128 + the signal when a signal ended it.
int runAndWait(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& extraEnvironment = {});

// True when a program of that name is on PATH and executable.
bool programOnPath(const std::string& program);

}  // namespace quorvane
