// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SafeFileWriter.h"
#include "session/ProgramState.h"
#include "session/TerminalDialogs.h"
#include "text/TerminalText.h"

namespace quorvane::cli {

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    bool inputIsTerminal = false;
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// What every command shares: the program state, the dialogs and the output streams.
class CliContext {
    // Everything the commands print passes through these, so no text from a file, a room or the
    // database can send control characters to the terminal.
    TerminalStream m_shownOut;
    TerminalStream m_shownErr;

  public:
    explicit CliContext(const CliIo& io);

    ProgramState state;
    TerminalDialogs dialogs;
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    std::string dataDirOption;  // --data-dir, empty when not given
    bool assumeYes = false;
    int exitCode = kExitDone;

    // Opens the database of the data folder, creating it when missing, and applies the
    // start-up corrections. False after the failure was reported.
    bool openStore();

    // Finds a draft by id or by name and loads it into state.draftSettings(). False after
    // "Error: no draft ..." was reported.
    bool loadDraftArgument(const std::string& draft);

    // What a command on one draft does first: opens the data folder and the draft, then runs
    // the command's work (which returns its exit status). 1 when either could not be opened,
    // after the user was told.
    template <class Work>
    int withDraft(const std::string& draft, Work&& work) {
        return loadDraftArgument(draft) ? work() : kExitFailed;
    }

    // Exit status of an operation: 0 when it succeeded, 1 otherwise.
    static int statusOf(bool succeeded) { return succeeded ? kExitDone : kExitFailed; }

    void writeCsv(const std::vector<std::string>& fields);

    // The files no command may write over: those of the open database, or before it is opened,
    // those of the data folder it would open.
    OwnFiles ownFiles() const;

    // A refusal of the command line itself (bad option value): message and status 2.
    int usageError(const std::string& text);
};

// The texts with the separator between them ("C, G, UT"), for messages that list choices.
std::string joined(const std::vector<std::string>& texts, std::string_view separator);

}  // namespace quorvane::cli
