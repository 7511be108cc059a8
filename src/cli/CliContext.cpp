// SPDX-License-Identifier: MIT
#include "cli/CliContext.h"

#include <ostream>

#include "platform/DataFolder.h"
#include "session/CommandSession.h"
#include "text/CsvText.h"

namespace quorvane::cli {

CliContext::CliContext(const CliIo& io)
    : m_shownOut(io.out),
      m_shownErr(io.err),
      dialogs(m_shownErr.stream(), io.in, io.inputIsTerminal, false),
      out(m_shownOut.stream()),
      err(m_shownErr.stream()),
      in(io.in) {}

bool CliContext::openStore() {
    dialogs.setAssumeYes(assumeYes);
    return openCommandStore(
        state, dialogs,
        dataDirOption.empty() ? std::nullopt : std::optional<std::string>(dataDirOption));
}

bool CliContext::loadDraftArgument(const std::string& draft) {
    return openStore() && openDraftByIdOrName(state, dialogs, draft);
}

void CliContext::writeCsv(const std::vector<std::string>& fields) {
    out << csvLine(fields) << '\n';
}

OwnFiles CliContext::ownFiles() const {
    if (state.dbConnection.isOpen()) {
        return ownFilesOf(state);
    }
    return programOwnFiles(chosenDataFolder(dataFolderCandidates(
        dataDirOption.empty() ? std::nullopt : std::optional<std::string>(dataDirOption))));
}

int CliContext::usageError(const std::string& text) {
    err << "Usage: " << text << '\n';
    return kExitUsage;
}

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string text;
    for (const std::string& part : texts) {
        text += (text.empty() ? "" : std::string(separator)) + part;
    }
    return text;
}

}  // namespace quorvane::cli
