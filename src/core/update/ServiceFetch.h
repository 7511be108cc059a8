// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FetchUrlText.h"
#include "vocabulary/Decision.h"

namespace quorvane {

class Log;

// Writes " : " and what the transfer reported to the log and returns the "Internet Connection
// Error" message for the caller to show.
Message reportNotConnected(const Log& log, const TransferAnswer& answer,
                           std::string_view supportAddress);

// An answer and, when nothing came back, the "Internet Connection Error" message to show.
struct FetchedAnswer {
    TransferAnswer answer;
    std::optional<Message> failure;
};

// Fetches a URL. When nothing comes back, writes " : " and what the transfer reported to the
// log and holds the message saying what happened; the caller shows it and goes on with the
// empty text.
FetchedAnswer fetchUrlAnswer(UrlTransfer& transfer, const Log& log, const std::string& url,
                             std::string_view supportAddress = {});

}  // namespace quorvane
