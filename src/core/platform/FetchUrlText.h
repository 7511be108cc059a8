// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "platform/UrlTransfer.h"

namespace quorvane {

class Log;
class UserDialogs;

inline constexpr std::string_view kNotConnectedTitle = "Internet Connection Error";

// The text of the "Internet Connection Error" window; names the support address when one is
// configured.
std::string notConnectedText(std::string_view supportAddress);

// Fetches a URL with the busy pointer on and reports nothing: the caller judges the answer.
TransferAnswer fetchUrlQuietly(UrlTransfer& transfer, UserDialogs& dialogs, const std::string& url);

// "https://host:port" of a URL, without the path and query (which may hold a password).
std::string addressOf(std::string_view url);

// The words of the "Internet Connection Error" window for a request that brought nothing back:
// a timeout, a refused certificate, an address that is not HTTPS and an answer too large each
// say so and name the address; anything else is notConnectedText.
std::string notConnectedText(const TransferAnswer& answer, std::string_view supportAddress);

// Writes " : " and what the transfer reported to the log and shows the "Internet Connection
// Error" window.
void reportNotConnected(UserDialogs& dialogs, const Log& log, const TransferAnswer& answer,
                        std::string_view supportAddress);

// Fetches a URL with the busy pointer on. When nothing comes back, writes " : " and what the
// transfer reported to the log and shows the "Internet Connection Error" window with what
// happened; the caller then goes on with the empty text.
TransferAnswer fetchUrlAnswer(UrlTransfer& transfer, UserDialogs& dialogs, const Log& log,
                              const std::string& url, std::string_view supportAddress = {});

std::string fetchUrlText(UrlTransfer& transfer, UserDialogs& dialogs, const Log& log,
                         const std::string& url, std::string_view supportAddress = {});

}  // namespace quorvane
