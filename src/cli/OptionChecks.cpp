// SPDX-License-Identifier: MIT
#include "cli/OptionChecks.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace quorvane::cli {

namespace {

// "--dry-run" or "-x", where a value was due: the value was forgotten, and taking the next option
// as it would both misname the value and lose the option ("--source --dry-run" would import for
// real). Negative numbers ("-5", "-.5") are values.
bool looksLikeOption(std::string_view value) {
    return value.size() > 1 && value[0] == '-' &&
           (value[1] == '-' || std::isalpha(static_cast<unsigned char>(value[1])) != 0);
}

bool isBlank(std::string_view value) {
    return std::all_of(value.begin(), value.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

// What is wrong with an option's value; "" when nothing is.
std::string optionValueProblem(std::string_view value) {
    if (isBlank(value)) {
        // An empty variable in a script, not a wish: "--dollars ''" would keep the old price.
        return "needs a value, but was given an empty one";
    }
    if (looksLikeOption(value)) {
        return "needs a value, but was followed by \"" + std::string(value) +
               "\", which looks like an option";
    }
    return {};
}

// The parser would also read "0x10", "0b11" or "1'000" as whole numbers; nobody means a team id
// that way, so only digits with an optional sign are taken.
std::string wholeNumberProblem(std::string_view value) {
    const std::string_view digits =
        !value.empty() && (value[0] == '-' || value[0] == '+') ? value.substr(1) : value;
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    return plain ? std::string() : "\"" + std::string(value) + "\" is not a whole number";
}

}  // namespace

// Every option of every command that takes a value refuses an empty one and one that looks like
// an option. Arguments in a command's own places (DRAFT, TEXT) are left alone: the parser takes
// "-x" there for an option anyway unless it follows "--", which says it is meant as written, and
// an empty TEXT is how a note is cleared.
void checkOptionValues(CLI::App& app) {
    const CLI::Validator sound([](std::string& value) { return optionValueProblem(value); }, "");
    const CLI::Validator wholeNumber([](std::string& value) { return wholeNumberProblem(value); },
                                     "");
    // Ahead of the option's own checks, which stop at the first refusal: "2019.0" is first of all
    // no whole number, not a season outside 1990 to 2100.
    for (CLI::Option* option : app.get_options()) {
        if (option->get_type_name().starts_with("INT")) {
            option->transform(wholeNumber);
        }
        if (option->nonpositional() && option->get_type_size_max() > 0) {
            option->transform(sound);
        }
    }
    for (CLI::App* command : app.get_subcommands(nullptr)) {
        checkOptionValues(*command);
    }
}

CLI::Validator positiveWholeNumber() {
    return CLI::Validator(
        [](std::string& value) {
            const std::string problem = wholeNumberProblem(value);
            if (!problem.empty()) {
                return problem;
            }
            const bool positive =
                value.find_first_not_of("+0") != std::string::npos && value[0] != '-';
            return positive ? std::string() : "\"" + value + "\" is not a whole number from 1 up";
        },
        "POSITIVE");
}

}  // namespace quorvane::cli
