// SPDX-License-Identifier: MIT
#include "platform/UrlTransfer.h"

namespace quorvane {

std::string transferFailureText(const TransferAnswer& answer) {
    const std::string& address = answer.address;
    switch (answer.failure) {
        case TransferFailure::NotHttps:
            return address + " is a plain http address; only https addresses are asked";
        case TransferFailure::NoConnection:
            return address + " could not be reached";
        case TransferFailure::TimedOut:
            return address + " did not answer in time";
        case TransferFailure::CertificateHost:
            return "the certificate of " + address + " is made out to another host";
        case TransferFailure::CertificateUntrusted:
            return "the certificate of " + address + " is not signed by a trusted authority";
        case TransferFailure::TooLarge:
            return "the answer of " + address + " is too large";
        case TransferFailure::Other:
            return address + " could not be read (" + answer.info + ")";
        case TransferFailure::None:
            break;
    }
    return address + " answered HTTP " + std::to_string(answer.status);
}

}  // namespace quorvane
