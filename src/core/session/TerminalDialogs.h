// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

#include "session/UserDialogs.h"

namespace quorvane {

// Messages go to standard error as "Title: text". A question is asked on the terminal when
// standard input is one; otherwise it is answered No, or Yes when --yes was given.
class TerminalDialogs final : public UserDialogs {
  public:
    TerminalDialogs(std::ostream& err, std::istream& in, bool inputIsTerminal, bool assumeYes);

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}

    void setAssumeYes(bool assumeYes) { m_assumeYes = assumeYes; }
    // True once a message or a question was written to standard error.
    bool wroteToError() const { return m_wroteToError; }

  private:
    std::ostream& m_err;
    std::istream& m_in;
    bool m_inputIsTerminal;
    bool m_assumeYes;
    bool m_wroteToError = false;
};

}  // namespace quorvane
