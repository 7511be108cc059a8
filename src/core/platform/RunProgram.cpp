// SPDX-License-Identifier: MIT
#include "platform/RunProgram.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

extern char** environ;

namespace quorvane {

namespace {

std::string nameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

}  // namespace

int runAndWait(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& extraEnvironment) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    // The extra entries replace inherited ones of the same name.
    std::vector<char*> envp;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        bool replaced = false;
        for (const std::string& extra : extraEnvironment) {
            const std::string name = nameOf(extra) + "=";
            replaced = replaced || std::strncmp(*entry, name.c_str(), name.size()) == 0;
        }
        if (!replaced) {
            envp.push_back(*entry);
        }
    }
    for (const std::string& extra : extraEnvironment) {
        envp.push_back(const_cast<char*>(extra.c_str()));
    }
    envp.push_back(nullptr);

    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        return 127;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return 127;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool programOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path == nullptr ? "/usr/bin:/bin" : path);
    for (std::string folder; std::getline(folders, folder, ':');) {
        const auto candidate = std::filesystem::path(folder.empty() ? "." : folder) / program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvane
