// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRunner.h"

namespace quorvane::test {

// The fields of one line of the program's CSV (the lines these tests read quote no commas).
std::vector<std::string> csvFields(const std::string& line);
// The rows of a run's CSV output after its heading, split into fields.
std::vector<std::vector<std::string>> csvRows(const CliRun& run);

// A command-line program on a data folder of its own that holds the shipped sample ("init"),
// for tests that play drafts on real figures.
class SampleDraftCli : public ::testing::Test {
  protected:
    enum class Style { Snake, Auction };
    enum class Scoring { Rotisserie, Points };

    void SetUp() override;
    // "new-draft NAME --teams N" with the style and scoring; false when refused.
    bool newDraft(const std::string& name, int teams, Style style, Scoring scoring);

    CliRunner cli;
};

}  // namespace quorvane::test
