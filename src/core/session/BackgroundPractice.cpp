// SPDX-License-Identifier: MIT
#include "session/BackgroundPractice.h"

#include <memory>

#include "session/PracticeConversation.h"

namespace quorvane {

void BackgroundPractice::start(const PracticeTarget& target, const PracticeRunOptions& options,
                               Events events) {
    auto result = std::make_shared<PracticeRunResult>();
    m_runner.start(
        target, events.message,
        [result, options, picked = events.picked](ProgramState* draft, UserDialogs& dialogs,
                                                  const std::atomic<bool>& stop) {
            if (draft != nullptr) {
                *result = runPracticeTold(*draft, dialogs, options, &stop, picked);
            }
        },
        [result, ended = events.ended] {
            if (ended) {
                ended(*result);
            }
        });
}

}  // namespace quorvane
