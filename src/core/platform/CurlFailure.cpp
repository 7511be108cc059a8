// SPDX-License-Identifier: MIT
#include "platform/CurlFailure.h"

#include <cstring>

namespace quorvane {

namespace {

// OpenSSL's verification results X509_V_ERR_HOSTNAME_MISMATCH and
// X509_V_ERR_IP_ADDRESS_MISMATCH, which curl hands on as plain numbers when OpenSSL checks the
// host itself.
constexpr long kX509HostMismatch = 62;
constexpr long kX509IpAddressMismatch = 64;

}  // namespace

// Curl reports a certificate for another host and one nobody trusted under one code; its own
// words tell them apart ("... does not match target host name", "no alternative certificate
// subject name matches target host name"), since the host is checked only once the chain passed.
TransferFailure curlFailureOf(CURLcode result, CURL* handle, const char* errorText, bool tooLarge) {
    if (tooLarge) {
        return TransferFailure::TooLarge;
    }
    switch (result) {
        case CURLE_OPERATION_TIMEDOUT:
            return TransferFailure::TimedOut;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
        case CURLE_SSL_CONNECT_ERROR:
            return TransferFailure::NoConnection;
        case CURLE_PEER_FAILED_VERIFICATION: {
            long verdict = 0;
            curl_easy_getinfo(handle, CURLINFO_SSL_VERIFYRESULT, &verdict);
            return verdict == 0 || verdict == kX509HostMismatch ||
                           verdict == kX509IpAddressMismatch ||
                           std::strstr(errorText, "host name") != nullptr
                       ? TransferFailure::CertificateHost
                       : TransferFailure::CertificateUntrusted;
        }
        case CURLE_SSL_CACERT_BADFILE:
            return TransferFailure::CertificateUntrusted;
        case CURLE_UNSUPPORTED_PROTOCOL:
            return TransferFailure::NotHttps;
        default:
            return TransferFailure::Other;
    }
}

}  // namespace quorvane
