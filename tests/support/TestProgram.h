// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "session/ProgramState.h"
#include "support/FakeDialogs.h"

namespace quorvane::test {

// A fresh temporary folder, removed again when the test ends.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }

  private:
    std::filesystem::path m_path;
};

// Opens the database of `folder` as the program does on starting (schema upgrades included).
bool openFolder(ProgramState& state, FakeDialogs& dialogs, const std::string& folder);

// A program state on a new empty database (schema and categories, no players) in its own
// temporary folder, with dialogs that record what they are asked to show.
struct TestProgram {
    TestProgram();
    TempFolder folder;
    ProgramState state;
    FakeDialogs dialogs;

    // Lines of the log file, without line ends.
    std::vector<std::string> logLines() const;
    // Runs a statement the test needs to set up or inspect; fails the test if it fails.
    void exec(const std::string& sql);
    // The first column of the first row of a query, as a number.
    double scalar(const std::string& sql);
    // Creates a draft with the new-draft defaults and returns its id.
    int newDraft(const std::string& name, int teams, bool auction, bool rotisserie);
};

}  // namespace quorvane::test
