// SPDX-License-Identifier: MIT
#include "projections/ProjectionDownload.h"

#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "platform/ServiceEndpoints.h"
#include "store/ProgramStore.h"
#include "update/ServiceFetch.h"

namespace quorvane {

namespace {

constexpr long kBadRequest = 400;
constexpr long kUnauthorised = 401;
constexpr long kForbidden = 403;
constexpr long kTooManyRequests = 429;

bool successful(const TransferAnswer& answer) {
    return answer.status >= 200 && answer.status < 300 && !answer.body.empty();
}

WriteFailure stopped(Message message, std::string logLine = {}) {
    return {WriteFailure::Kind::Refused, std::move(message), std::move(logLine), {}};
}

WriteFailure refusedSignIn(const Log& log, const TransferAnswer& answer, std::string_view text) {
    const std::string logLine = " : " + answer.info;
    log.writeEntry(logLine);
    return stopped(
        {std::string(kUpdateProjectionsTitle), std::string(text), MessageIcon::Exclamation},
        logLine);
}

// The account request decides whether the projection request is sent at all: without a grant
// the service refuses the file, and that refusal would read as a wrong password.
std::optional<WriteFailure> requestAccount(const ProjectionService& service, UrlTransfer& transfer,
                                           const Log& log, std::string_view user,
                                           std::string_view password) {
    const TransferAnswer answer = fetchUrlQuietly(
        transfer, serviceUrl(service.serviceHost, accountRequestPath(user, password)));
    if (successful(answer)) {
        return std::nullopt;
    }
    if (answer.status == kBadRequest || answer.status == kUnauthorised ||
        answer.status == kForbidden) {
        return refusedSignIn(log, answer, kNotAuthorisedMessage);
    }
    if (answer.status == kTooManyRequests) {
        return refusedSignIn(log, answer, kSignInsThrottledMessage);
    }
    // No answer, a time-out, or a service that failed: the connection's fault, not the user's
    // name or password.
    return stopped(reportNotConnected(log, answer, service.supportAddress), " : " + answer.info);
}

}  // namespace

Outcome<ImportResult> downloadProjections(ProgramStore& store, int projectionYear,
                                          const ProjectionService& service, UrlTransfer& transfer,
                                          std::string_view user, std::string_view password,
                                          const Progress& progress,
                                          const ProjectionTextImport& import) {
    if (service.serviceHost.empty()) {
        return stopped({std::string(kUpdateProjectionsTitle), std::string(kNoServiceMessage),
                        MessageIcon::Information});
    }
    const Log log(store.logFilePath);
    if (auto refusal = requestAccount(service, transfer, log, user, password)) {
        return std::move(*refusal);
    }
    FetchedAnswer projections = fetchUrlAnswer(
        transfer, log, serviceUrl(service.serviceHost, kProjectionsPath), service.supportAddress);
    if (projections.failure) {
        // Nothing came back: handing the empty text to the import would call it a broken file.
        return stopped(std::move(*projections.failure), " : " + projections.answer.info);
    }
    if (projections.answer.status == kForbidden) {
        // Handing the refusal page to the import would report it as a broken projection file.
        return stopped({std::string(kUpdateProjectionsTitle), std::string(kNotAuthorisedMessage),
                        MessageIcon::Exclamation});
    }
    if (import) {
        return import(projections.answer.body, progress);
    }
    return importProjectionText(store, projectionYear, projections.answer.body, progress);
}

}  // namespace quorvane
