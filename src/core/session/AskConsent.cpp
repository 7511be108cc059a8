// SPDX-License-Identifier: MIT
#include "session/AskConsent.h"

#include "session/UserDialogs.h"

namespace quorvane {

std::optional<Consent> askConsent(UserDialogs& dialogs, const Decision& decision) {
    if (decision.refusal) {
        // A refusal without words (a choice the window never offers) shows nothing.
        if (!decision.refusal->text.empty()) {
            dialogs.showMessage(decision.refusal->title, decision.refusal->text,
                                decision.refusal->icon);
        }
        return std::nullopt;
    }
    Consent consent;
    for (const Question& question : decision.questions) {
        if (!dialogs.askYesNo(question.title, question.text)) {
            return std::nullopt;
        }
        consent.agreed.push_back(question);
    }
    return consent;
}

void showWriteFailure(UserDialogs& dialogs, const WriteFailure& failure) {
    if (failure.kind != WriteFailure::Kind::Unanswered && !failure.message.text.empty()) {
        dialogs.showMessage(failure.message.title, failure.message.text, failure.message.icon);
    }
}

}  // namespace quorvane
