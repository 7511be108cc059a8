// SPDX-License-Identifier: MIT
#include "app/TransferFailure.h"

namespace quorvane {

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

std::string transferFailureText(TransferFailure failure, std::string_view url) {
    const std::string address = addressOf(url);
    switch (failure) {
        case TransferFailure::None:
        case TransferFailure::NoConnection:
            return {};
        case TransferFailure::TimedOut:
            return address +
                   " did not answer in time. The service may be busy or unreachable from this "
                   "network; please try again in a moment.";
        case TransferFailure::CertificateForOtherHost:
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
        case TransferFailure::AnswerTooLarge:
            break;
    }
    return "The answer of " + address +
           " was larger than any the program expects, so it was "
           "not read.";
}

}  // namespace quorvane
