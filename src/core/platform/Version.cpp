// SPDX-License-Identifier: MIT
#include "platform/Version.h"

#include <string>

#include "text/NumberText.h"

namespace quorvane {

const std::string_view kAppVersion = QUORVANE_VERSION;

std::optional<int> versionNumber(std::string_view version) {
    std::string digits;
    for (char c : version) {
        if (c != '.') {
            digits += c;
        }
    }
    return parseWholeNumber(digits, 0, 2147483647LL);
}

}  // namespace quorvane
