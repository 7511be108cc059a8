// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class UserDialogs;

// A rule's decision put to the person at the front end: a refusal is shown (nullopt), each
// question is asked in its order and a No ends the asking (nullopt); the questions he said Yes
// to come back as his consent.
std::optional<Consent> askConsent(UserDialogs& dialogs, const Decision& decision);

// Why a writer stored nothing, shown as the person would see it; a question the writer met
// unanswered shows nothing (the caller asks it).
void showWriteFailure(UserDialogs& dialogs, const WriteFailure& failure);

}  // namespace quorvane
