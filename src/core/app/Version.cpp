// SPDX-License-Identifier: MIT
#include "app/Version.h"

#include <string>

#include "store/NumberText.h"

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
