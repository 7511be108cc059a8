// SPDX-License-Identifier: MIT
#include "session/TerminalDialogs.h"

#include <istream>
#include <ostream>
#include <string>

namespace quorvane {

TerminalDialogs::TerminalDialogs(std::ostream& err, std::istream& in, bool inputIsTerminal,
                                 bool assumeYes)
    : m_err(err), m_in(in), m_inputIsTerminal(inputIsTerminal), m_assumeYes(assumeYes) {}

void TerminalDialogs::showMessage(std::string_view title, std::string_view text, MessageIcon) {
    m_wroteToError = true;
    m_err << title << ": " << text << '\n';
}

bool TerminalDialogs::askYesNo(std::string_view title, std::string_view text) {
    if (m_assumeYes) {
        return true;
    }
    m_wroteToError = true;
    if (!m_inputIsTerminal) {
        m_err << title << ": " << text << " [answered No]\n";
        return false;
    }
    m_err << title << ": " << text << " [y/N] " << std::flush;
    std::string answer;
    std::getline(m_in, answer);
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace quorvane
