// SPDX-License-Identifier: MIT
#include "app/FetchUrlText.h"

#include "app/UserDialogs.h"
#include "store/Log.h"

namespace quorvane {

std::string notConnectedText(std::string_view supportAddress) {
    std::string text =
        "The connection to the Quorvane projection servers failed. Please check your internet "
        "connection and try again. If your connection is working and the problem continues, "
        "please contact customer support";
    if (!supportAddress.empty()) {
        text += " at ";
        text += supportAddress;
    }
    text += ".";
    return text;
}

TransferAnswer fetchUrlQuietly(UrlTransfer& transfer, UserDialogs& dialogs,
                               const std::string& url) {
    dialogs.setBusy(true);
    TransferAnswer answer;
    try {
        answer = transfer.fetch(url);
    } catch (const std::exception& error) {
        answer = TransferAnswer{};
        answer.info = error.what();
    }
    dialogs.setBusy(false);
    return answer;
}

std::string notConnectedText(const TransferAnswer& answer, std::string_view url,
                             std::string_view supportAddress) {
    const std::string what = transferFailureText(answer.failure, url);
    return what.empty() ? notConnectedText(supportAddress) : what;
}

void reportNotConnected(UserDialogs& dialogs, const Log& log, const TransferAnswer& answer,
                        std::string_view url, std::string_view supportAddress) {
    log.writeEntry(" : " + answer.info);
    dialogs.showMessage(kNotConnectedTitle, notConnectedText(answer, url, supportAddress),
                        MessageIcon::Exclamation);
}

TransferAnswer fetchUrlAnswer(UrlTransfer& transfer, UserDialogs& dialogs, const Log& log,
                              const std::string& url, std::string_view supportAddress) {
    TransferAnswer answer = fetchUrlQuietly(transfer, dialogs, url);
    if (answer.body.empty()) {
        reportNotConnected(dialogs, log, answer, url, supportAddress);
    }
    return answer;
}

std::string fetchUrlText(UrlTransfer& transfer, UserDialogs& dialogs, const Log& log,
                         const std::string& url, std::string_view supportAddress) {
    return fetchUrlAnswer(transfer, dialogs, log, url, supportAddress).body;
}

}  // namespace quorvane
