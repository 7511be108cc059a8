// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "platform/UrlTransfer.h"

namespace quorvane {

inline constexpr std::string_view kNotConnectedTitle = "Internet Connection Error";

// The text of the "Internet Connection Error" window; names the support address when one is
// configured.
std::string notConnectedText(std::string_view supportAddress);

// Fetches a URL and reports nothing: the caller judges the answer. A transfer that throws
// brings an empty answer with the exception's text as its info.
TransferAnswer fetchUrlQuietly(UrlTransfer& transfer, const std::string& url);

// "https://host:port" of a URL, without the path and query (which may hold a password).
std::string addressOf(std::string_view url);

// The words of the "Internet Connection Error" window for a request that brought nothing back:
// a timeout, a refused certificate, an address that is not HTTPS and an answer too large each
// say so and name the address; anything else is notConnectedText.
std::string notConnectedText(const TransferAnswer& answer, std::string_view supportAddress);

}  // namespace quorvane
