// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

#include "session/ProgramState.h"
#include "session/UserDialogs.h"

namespace quorvane::bench {

// Shows nothing and answers every question the same way (Yes lets a full roster never stop a
// pick in a simulated draft).
class QuietDialogs final : public UserDialogs {
  public:
    explicit QuietDialogs(bool answer = false) : m_answer(answer) {}
    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return m_answer; }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}

  private:
    bool m_answer;
};

// The shipped sample projections: $QUORVANE_SAMPLE_PROJECTIONS, else data/sample_projections.csv
// of the source tree.
std::string sampleProjectionsPath();

// A new empty database in its own temporary folder, removed again with the value.
class BenchDatabase {
  public:
    explicit BenchDatabase(bool answerQuestions = false);
    ~BenchDatabase();
    BenchDatabase(const BenchDatabase&) = delete;
    BenchDatabase& operator=(const BenchDatabase&) = delete;

    // Loads the sample projections through the real import; false when it failed.
    bool loadSampleProjections();

    std::filesystem::path folder;
    ProgramState state;
    QuietDialogs dialogs;
};

}  // namespace quorvane::bench
