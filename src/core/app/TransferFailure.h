// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Why a request brought no answer back. Each cause has its own remedy, so each gets its own
// words: a certificate for another host is not mended by checking the internet connection.
enum class TransferFailure {
    None,                     // an answer arrived, whatever its status
    NoConnection,             // no name, no route, refused or dropped
    TimedOut,                 // nothing or not all of it arrived within the time allowed
    CertificateForOtherHost,  // a valid certificate, but of another host
    CertificateUntrusted,     // signed by no trusted authority, expired, or not readable
    NotHttps,                 // a plain http:// (or other) address: nothing was sent
    AnswerTooLarge,           // cut off at the size limit
};

// "https://host:port" of a URL, without the path and query (which may hold a password).
std::string addressOf(std::string_view url);

// What happened, naming the address, for a failure other than None and NoConnection; those two
// keep the caller's own "check your connection" text, so this returns "" for them.
std::string transferFailureText(TransferFailure failure, std::string_view url);

}  // namespace quorvane
