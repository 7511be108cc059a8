// SPDX-License-Identifier: MIT
#include "projections/ProjectionDownload.h"

#include "app/FetchUrlText.h"
#include "app/ProgramState.h"
#include "app/ServiceEndpoints.h"
#include "app/UserDialogs.h"
#include "store/Log.h"

namespace quorvane {

namespace {
constexpr long kForbidden = 403;
}

std::optional<ImportResult> downloadProjections(ProgramState& state, UserDialogs& dialogs,
                                                UrlTransfer& transfer, std::string_view user,
                                                std::string_view password,
                                                const ProjectionTextImport& import) {
    if (state.serviceHost.empty()) {
        dialogs.showMessage(kUpdateProjectionsTitle, kNoServiceMessage, MessageIcon::Information);
        return std::nullopt;
    }
    const Log log(state.logFilePath);
    // The service authorises this client on the account request, so it goes first; its answer
    // decides nothing here, the projection request below tells.
    fetchUrlAnswer(transfer, dialogs, log,
                   serviceUrl(state.serviceHost, accountRequestPath(user, password)),
                   state.supportAddress);
    const TransferAnswer projections =
        fetchUrlAnswer(transfer, dialogs, log, serviceUrl(state.serviceHost, kProjectionsPath),
                       state.supportAddress);
    if (projections.status == kForbidden) {
        // Handing the refusal page to the import would report it as a broken projection file.
        dialogs.showMessage(kUpdateProjectionsTitle, kNotAuthorisedMessage,
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    return import(state, dialogs, projections.body);
}

}  // namespace quorvane
