// SPDX-License-Identifier: MIT
#include "TerminalProgress.h"

#include <ostream>

namespace quorvane {

TerminalProgress::TerminalProgress(UserDialogs& dialogs, std::ostream& out)
    : m_dialogs(dialogs), m_out(out) {}

void TerminalProgress::showMessage(std::string_view title, std::string_view text,
                                   MessageIcon icon) {
    m_dialogs.showMessage(title, text, icon);
}

bool TerminalProgress::askYesNo(std::string_view title, std::string_view text) {
    return m_dialogs.askYesNo(title, text);
}

void TerminalProgress::setBusy(bool busy) {
    m_dialogs.setBusy(busy);
}

void TerminalProgress::progress(std::string_view text, long long done, long long total) {
    if (total <= 0) {
        return;
    }
    if (text != m_shownText) {
        m_shownText = std::string(text);
        m_shownTenth = -1;
    }
    const long long tenth = done * 10 / total;
    if (tenth == m_shownTenth) {
        return;
    }
    m_shownTenth = tenth;
    m_out << text << ": " << tenth * 10 << "% (" << done << " of " << total << " bytes)"
          << std::endl;
}

}  // namespace quorvane
