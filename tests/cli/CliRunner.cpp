// SPDX-License-Identifier: MIT
#include "CliRunner.h"

#include <sstream>

#include "cli/CliApp.h"

namespace quorvane::test {

std::vector<std::string> CliRun::outLines() const {
    std::vector<std::string> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

CliRun runCliOn(const std::string& folder, const std::vector<std::string>& arguments,
                const std::string& input) {
    std::vector<std::string> words = {"quorvane-draft-cli", "--data-dir", folder};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<const char*> argv;
    for (const std::string& word : words) {
        argv.push_back(word.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    CliRun result;
    result.status =
        cli::runCli(static_cast<int>(argv.size()), argv.data(), cli::CliIo{out, err, in, false});
    result.out = out.str();
    result.err = err.str();
    return result;
}

CliRun CliRunner::run(const std::vector<std::string>& arguments, const std::string& input) {
    return runCliOn(m_folder.str(), arguments, input);
}

}  // namespace quorvane::test
