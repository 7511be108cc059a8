// SPDX-License-Identifier: MIT
#include "cli/ManPage.h"

#include <sstream>

#include <CLI/CLI.hpp>

namespace quorvane::cli {

namespace {

// Text as troff reads it: backslashes and hyphens escaped, no line taken for a request.
std::string roff(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\e";
        } else if (c == '-') {
            escaped += "\\-";
        } else {
            escaped += c;
        }
        if (c == '\n') {
            escaped += "\\&";
        }
    }
    if (!escaped.empty() && (escaped.front() == '.' || escaped.front() == '\'')) {
        escaped.insert(0, "\\&");
    }
    return escaped;
}

std::string optionLabel(const CLI::Option& option) {
    std::string label =
        option.get_positional() ? option.get_name(true) : option.get_name(false, true);
    if (!option.get_positional() && option.get_type_size() != 0 &&
        !option.get_type_name().empty()) {
        label += " " + option.get_type_name();
    }
    return label;
}

// The help flags every command inherits say nothing of the command itself.
bool isHelpOption(const CLI::App& command, const CLI::Option* option) {
    return option == command.get_help_ptr() || option == command.get_help_all_ptr() ||
           option->get_group().empty();
}

std::string usage(const CLI::App& command) {
    std::string line = command.get_name();
    for (const CLI::Option* option : command.get_options()) {
        if (isHelpOption(command, option)) {
            continue;
        }
        const std::string label =
            option->get_positional() ? option->get_name(true) : optionLabel(*option);
        line += " " + (option->get_required() ? label : "[" + label + "]");
    }
    return line;
}

void describeOptions(std::ostringstream& page, const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (isHelpOption(command, option)) {
            continue;
        }
        page << ".TP\n.B " << roff(optionLabel(*option)) << '\n'
             << roff(option->get_description()) << '\n';
    }
}

}  // namespace

std::string manPage(const CLI::App& app, const std::string& version) {
    const std::string name = app.get_name();
    std::string upper = name;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::ostringstream page;
    page << ".TH " << roff(upper) << " 1 \"\" \"" << roff(name + " " + version)
         << "\" \"User Commands\"\n"
         << ".SH NAME\n"
         << roff(name) << " \\- " << roff(app.get_description()) << '\n'
         << ".SH SYNOPSIS\n.B " << roff(name) << "\n[OPTIONS] COMMAND [ARGUMENTS]\n"
         << ".SH DESCRIPTION\n"
         << "Everything the desktop program quorvane\\-draft does, for scripts and tests. A "
            "draft is named by its id or its name. Lists print as CSV with a header line; "
            "messages go to standard error as \"Title: text\"; a Yes/No question is asked on "
            "the terminal, or answered No without one unless \\-\\-yes is given.\n"
         << ".SH OPTIONS\n";
    describeOptions(page, app);
    page << ".SH COMMANDS\n";
    for (const CLI::App* command : app.get_subcommands({})) {
        page << ".SS \"" << roff(usage(*command)) << "\"\n"
             << roff(command->get_description()) << '\n';
        describeOptions(page, *command);
    }
    page << ".SH EXIT STATUS\n0 done, 1 refused or failed (the message says why), 2 wrong "
            "usage.\n"
         << ".SH ENVIRONMENT\n"
         << ".TP\n.B QUORVANE_DATA_DIR\nFolder of the draft database when \\-\\-data\\-dir is "
            "not given.\n"
         << ".TP\n.B QUORVANE_SERVICE_HOST\nThe projection service, HOST[:PORT].\n"
         << ".TP\n.B QUORVANE_CA_BUNDLE\nA CA bundle to check the service's certificate "
            "against instead of the system's.\n"
         << ".TP\n.B QUORVANE_PASSWORD\nThe password of the download command.\n"
         << ".TP\n.B QUORVANE_SLEEPER_URL\nThe Sleeper room's address for the follow command "
            "instead of https://api.sleeper.app/v1.\n"
         << ".TP\n.B QUORVANE_ESPN_URL\nESPN's address for the follow command instead of "
            "https://lm\\-api\\-reads.fantasy.espn.com/apis/v3.\n"
         << ".TP\n.B QUORVANE_FANTRAX_URL\nFantrax's address for the follow command instead of "
            "https://www.fantrax.com/fxea/general.\n"
         << ".SH FILES\n"
         << ".TP\n.I ~/.local/share/quorvane/basketball/players2019.db\nThe draft database "
            "(also /var/lib/quorvane/basketball), with the log quorbasketball.log and the "
            "settings file quorvane\\-settings.conf beside it; rooms/ there keeps the ESPN and "
            "Fantrax player lists for a day and the ESPN cookies of a draft, readable only by "
            "you.\n"
         << ".SH SEE ALSO\n"
         << ".BR quorvane\\-draft (1),\n.BR quorvane\\-projection\\-service (1),\n"
         << ".BR quorvane\\-update (1)\n";
    return page.str();
}

}  // namespace quorvane::cli
