// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/CheckedNumber.h"

namespace quorvane::cli {

// A number typed as an option's value, read by the checked reader (a decimal point, groups of
// thousands allowed) and held to the option's range; whole numbers only when `whole`. nullopt
// with `problem` set to the refusal ("--sims: 0 is outside 1 to 1000000") otherwise.
std::optional<double> checkedOption(std::string_view option, std::string_view text,
                                    FieldRange range, bool whole, std::string& problem);

}  // namespace quorvane::cli
