// SPDX-License-Identifier: MIT
#include "valuation/CategoryFormat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {

namespace {
CategoryFormat formatOfSymbol(std::string_view symbol) {
    const std::string wanted = upperText(symbol);
    for (const CategoryDefinition& category : categoryCatalogue()) {
        if (category.heading == wanted) {
            return category.format;
        }
    }
    return CategoryFormat::Count;
}
}  // namespace

std::string formatCategoryValue(std::string_view symbol, float value) {
    switch (formatOfSymbol(symbol)) {
        case CategoryFormat::TwoDecimals:
            return formatPattern(value, "0.00");
        case CategoryFormat::ThreeDecimals:
            return formatPattern(value, "#.000");
        case CategoryFormat::Count:
            break;
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace quorvane
