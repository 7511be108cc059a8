// SPDX-License-Identifier: MIT
#include "projections/ProjectionDownload.h"

#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "platform/ServiceEndpoints.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"

namespace quorvane {

namespace {

constexpr long kBadRequest = 400;
constexpr long kUnauthorised = 401;
constexpr long kForbidden = 403;
constexpr long kTooManyRequests = 429;

bool successful(const TransferAnswer& answer) {
    return answer.status >= 200 && answer.status < 300 && !answer.body.empty();
}

// The account request decides whether the projection request is sent at all: without a grant
// the service refuses the file, and that refusal would read as a wrong password.
bool requestAccount(const ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer,
                    const Log& log, std::string_view user, std::string_view password) {
    const TransferAnswer answer = fetchUrlQuietly(
        transfer, dialogs, serviceUrl(state.serviceHost, accountRequestPath(user, password)));
    if (successful(answer)) {
        return true;
    }
    if (answer.status == kBadRequest || answer.status == kUnauthorised ||
        answer.status == kForbidden) {
        log.writeEntry(" : " + answer.info);
        dialogs.showMessage(kUpdateProjectionsTitle, kNotAuthorisedMessage,
                            MessageIcon::Exclamation);
    } else if (answer.status == kTooManyRequests) {
        log.writeEntry(" : " + answer.info);
        dialogs.showMessage(kUpdateProjectionsTitle, kSignInsThrottledMessage,
                            MessageIcon::Exclamation);
    } else {
        // No answer, a time-out, or a service that failed: the connection's fault, not the
        // user's name or password.
        reportNotConnected(dialogs, log, answer, state.supportAddress);
    }
    return false;
}

}  // namespace

std::optional<ImportResult> downloadProjections(ProgramState& state, UserDialogs& dialogs,
                                                UrlTransfer& transfer, std::string_view user,
                                                std::string_view password,
                                                const ProjectionTextImport& import) {
    if (state.serviceHost.empty()) {
        dialogs.showMessage(kUpdateProjectionsTitle, kNoServiceMessage, MessageIcon::Information);
        return std::nullopt;
    }
    const Log log(state.logFilePath);
    if (!requestAccount(state, dialogs, transfer, log, user, password)) {
        return std::nullopt;
    }
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
