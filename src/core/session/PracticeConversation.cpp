// SPDX-License-Identifier: MIT
#include "session/PracticeConversation.h"

#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "valuation/Ranks.h"

namespace quorvane {

PracticeRunResult runPracticeTold(ProgramState& state, UserDialogs& dialogs,
                                  const PracticeRunOptions& options, const std::atomic<bool>* stop,
                                  const std::function<void(const PracticePick&)>& picked) {
    PracticeRunResult result = runPractice(
        state, options, [&state, &dialogs] { return calcRanks(state, dialogs); }, stop, picked);
    if (result.failure) {
        showMessage(dialogs, *result.failure);
    }
    return result;
}

}  // namespace quorvane
