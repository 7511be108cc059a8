// SPDX-License-Identifier: MIT
#include "update/ServiceFetch.h"

#include "platform/Log.h"

namespace quorvane {

Message reportNotConnected(const Log& log, const TransferAnswer& answer,
                           std::string_view supportAddress) {
    log.writeEntry(" : " + answer.info);
    return {std::string(kNotConnectedTitle), notConnectedText(answer, supportAddress),
            MessageIcon::Exclamation};
}

FetchedAnswer fetchUrlAnswer(UrlTransfer& transfer, const Log& log, const std::string& url,
                             std::string_view supportAddress) {
    FetchedAnswer fetched{fetchUrlQuietly(transfer, url), std::nullopt};
    if (fetched.answer.body.empty()) {
        fetched.failure = reportNotConnected(log, fetched.answer, supportAddress);
    }
    return fetched;
}

}  // namespace quorvane
