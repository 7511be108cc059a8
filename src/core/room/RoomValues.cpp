// SPDX-License-Identifier: MIT
#include "room/RoomValues.h"

#include <cmath>

#include <fmt/format.h>

#include "text/NumberText.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

// True when the amount, held in single precision, has no fractional part.
bool isWholeNumber(double amount) {
    const float single = static_cast<float>(amount);
    return std::isfinite(single) && std::trunc(single) == single;
}

// Smallest whole number not below x.
int roundUp(double x) {
    return static_cast<int>(-std::floor(-x));
}

}  // namespace

int nonNegativeInteger(double value) {
    if (value < 0) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(value));  // the default rounding mode: halves to even
}

std::string pickLabel(int overall, int teams) {
    if (teams <= 0) {
        return std::to_string(overall);
    }
    const int round = roundUp(static_cast<double>(overall) / teams);
    const int selection = overall % teams == 0 ? teams : overall % teams;
    return fmt::format("{}.{}.{}", round, selection, overall);
}

int priceDecimals(const DraftSettings& draft) {
    return isWholeNumber(draft.minbid) && isWholeNumber(draft.dollars) ? 0 : 2;
}

std::string formatPrice(double value, int decimals) {
    std::string text = formatPattern(value, decimals == 0 ? "0" : "0.00");
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const auto point = text.find('.');
    std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) {
        whole.insert(static_cast<std::size_t>(at), ",");
    }
    const std::string result = whole + fraction;
    return negative && result.find_first_not_of("0.,") != std::string::npos ? "-" + result : result;
}

std::string formatMoney(double value, int decimals) {
    const std::string price = formatPrice(value, decimals);
    return price.starts_with('-') ? "\u2212$" + price.substr(1) : "$" + price;
}

}  // namespace quorvane
