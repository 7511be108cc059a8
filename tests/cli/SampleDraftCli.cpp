// SPDX-License-Identifier: MIT
#include "SampleDraftCli.h"

#include <sstream>

namespace quorvane::test {

std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> result;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) {
        result.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        result.emplace_back();
    }
    return result;
}

std::vector<std::vector<std::string>> csvRows(const CliRun& run) {
    std::vector<std::vector<std::string>> rows;
    const auto lines = run.outLines();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        rows.push_back(csvFields(lines[i]));
    }
    return rows;
}

void SampleDraftCli::SetUp() {
    const CliRun init = cli.run({"init"});
    ASSERT_EQ(init.status, 0) << init.err;
}

bool SampleDraftCli::newDraft(const std::string& name, int teams, Style style, Scoring scoring) {
    const CliRun made = cli.run({"new-draft", name, "--teams", std::to_string(teams),
                                 style == Style::Auction ? "--auction" : "--draft",
                                 scoring == Scoring::Points ? "--points" : "--rotisserie"});
    EXPECT_EQ(made.status, 0) << made.err;
    return made.status == 0;
}

}  // namespace quorvane::test
