// SPDX-License-Identifier: MIT
#include "platform/FetchUrlText.h"

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

TransferAnswer fetchUrlQuietly(UrlTransfer& transfer, const std::string& url) {
    TransferAnswer answer;
    try {
        answer = transfer.fetch(url);
    } catch (const std::exception& error) {
        answer = TransferAnswer{};
        answer.info = error.what();
    }
    return answer;
}

std::string addressOf(std::string_view url) {
    const auto scheme = url.find("://");
    const std::size_t hostStart = scheme == std::string_view::npos ? 0 : scheme + 3;
    const auto hostEnd = url.find_first_of("/?#", hostStart);
    std::string_view address = url.substr(0, hostEnd);
    // "user:password@" never belongs in a message.
    if (const auto at = address.find('@', hostStart); at != std::string_view::npos) {
        return std::string(address.substr(0, hostStart)) + std::string(address.substr(at + 1));
    }
    return std::string(address);
}

// Each cause has its own remedy, so each gets its own words: a certificate for another host is
// not mended by checking the internet connection.
std::string notConnectedText(const TransferAnswer& answer, std::string_view supportAddress) {
    const std::string address = addressOf(answer.address);
    switch (answer.failure) {
        case TransferFailure::None:
        case TransferFailure::NoConnection:
        case TransferFailure::Other:
            break;
        case TransferFailure::TimedOut:
            return address +
                   " did not answer in time. The service may be busy or unreachable from this "
                   "network; please try again in a moment.";
        case TransferFailure::CertificateHost:
            return "The certificate of " + address +
                   " belongs to another host, so the connection was not trusted and nothing was "
                   "sent. Please check the address.";
        case TransferFailure::CertificateUntrusted:
            return "The certificate of " + address +
                   " is not signed by an authority this computer trusts (or has expired), so the "
                   "connection was not trusted and nothing was sent.";
        case TransferFailure::NotHttps:
            return address +
                   " is not an https:// address. The program connects only over HTTPS, so "
                   "nothing was sent.";
        case TransferFailure::TooLarge:
            return "The answer of " + address +
                   " was larger than any the program expects, so it was not read.";
    }
    return notConnectedText(supportAddress);
}

}  // namespace quorvane
