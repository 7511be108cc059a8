// SPDX-License-Identifier: MIT
#pragma once

#include <curl/curl.h>

#include "platform/UrlTransfer.h"

namespace quorvane {

// Why a curl transfer that ended with `result` brought no answer; `tooLarge` when the receiver
// stopped it at its size limit. Every transfer of the program judges its failures this way, so
// each cause gets the same words wherever it happens.
TransferFailure curlFailureOf(CURLcode result, CURL* handle, const char* errorText, bool tooLarge);

}  // namespace quorvane
