// SPDX-License-Identifier: MIT
#include "online/RoomAnswersYes.h"

#include "platform/Log.h"

namespace quorvane {

RoomAnswersYes::RoomAnswersYes(UserDialogs& dialogs, const Log& log)
    : m_dialogs(dialogs), m_log(log) {}

void RoomAnswersYes::showMessage(std::string_view title, std::string_view text, MessageIcon icon) {
    m_dialogs.showMessage(title, text, icon);
}

bool RoomAnswersYes::askYesNo(std::string_view title, std::string_view text) {
    std::string question = std::string(title) + ": " + std::string(text);
    m_log.writeEntry(" follow: the room made the pick, answered Yes to " + question);
    m_answered.push_back(std::move(question));
    return true;
}

void RoomAnswersYes::setBusy(bool busy) {
    m_dialogs.setBusy(busy);
}

void RoomAnswersYes::progress(std::string_view text, long long done, long long total) {
    m_dialogs.progress(text, done, total);
}

}  // namespace quorvane
