// SPDX-License-Identifier: MIT
#include "cli/CliContext.h"

#include <ostream>

#include "app/DataFolder.h"
#include "app/DataStore.h"
#include "app/ServiceSettings.h"
#include "draftconfig/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "store/CsvText.h"
#include "store/NumberText.h"
#include "valuation/SgpDenominators.h"

namespace quorvane::cli {

CliContext::CliContext(const CliIo& io)
    : m_shownOut(io.out),
      m_shownErr(io.err),
      dialogs(m_shownErr.stream(), io.in, io.inputIsTerminal, false),
      out(m_shownOut.stream()),
      err(m_shownErr.stream()),
      in(io.in) {}

bool CliContext::openStore() {
    if (state.dbConnection.isOpen()) {
        return true;
    }
    dialogs.setAssumeYes(assumeYes);
    if (!openDataStore(state, dialogs,
                       dataFolderCandidates(dataDirOption.empty()
                                                ? std::nullopt
                                                : std::optional<std::string>(dataDirOption)))) {
        return false;
    }
    applyServiceSettings(state);
    fixSgpDenominators(state, dialogs);
    return true;
}

bool CliContext::loadDraftArgument(const std::string& draft) {
    if (!openStore()) {
        return false;
    }
    Recordset found;
    bool looked = false;
    if (const auto id = parseWholeNumber(draft, 0, 2147483647LL)) {
        looked = openRecordset(found, state.dbConnection,
                               "select template_id from DraftTemplate where template_id = ?",
                               {SqlValue{std::int64_t{*id}}});
    }
    if (!looked || found.eof()) {
        looked = openRecordset(found, state.dbConnection,
                               "select template_id from DraftTemplate where template_name = ?",
                               {trimRight(draft)});
    }
    if (!looked || found.eof()) {
        dialogs.showMessage("Error", "No draft with the id or name \"" + draft + "\"",
                            MessageIcon::Critical);
        return false;
    }
    loadDraft(state, static_cast<int>(found.getInt("template_id")));
    settleTurnHistory(state, dialogs);
    return true;
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
