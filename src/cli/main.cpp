// SPDX-License-Identifier: MIT
#include <unistd.h>

#include <iostream>

#include "cli/CliApp.h"

int main(int argc, char** argv) {
    const quorvane::cli::CliIo io{std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1};
    return quorvane::cli::runCli(argc, argv, io);
}
