// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "support/TestProgram.h"

namespace quorvane::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<std::string> outLines() const;
};

// Runs the command-line program in-process as `quorvane-draft-cli --data-dir FOLDER ARGS...`,
// with standard input not a terminal: another program on a test's database.
CliRun runCliOn(const std::string& folder, const std::vector<std::string>& arguments,
                const std::string& input = {});

// Runs the command-line program in-process on its own data folder, as
// `quorvane-draft-cli --data-dir FOLDER ARGS...`, with standard input not a terminal.
class CliRunner {
  public:
    CliRun run(const std::vector<std::string>& arguments, const std::string& input = {});
    const TempFolder& folder() const { return m_folder; }

  private:
    TempFolder m_folder;
};

}  // namespace quorvane::test
