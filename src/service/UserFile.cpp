// SPDX-License-Identifier: MIT
#include "service/UserFile.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "service/PasswordHash.h"

namespace quorvane::service {

namespace {

bool readLines(const std::string& path, std::vector<std::string>& lines) {
    std::ifstream file(path);
    if (!file) {
        return false;
    }
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

std::string nameOf(const std::string& line) {
    return line.substr(0, line.find('\t'));
}

}  // namespace

std::optional<UserFile> UserFile::load(const std::string& path) {
    std::vector<std::string> lines;
    if (!readLines(path, lines)) {
        return std::nullopt;
    }
    UserFile users;
    for (const auto& line : lines) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) {
            continue;
        }
        users.m_hashes[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return users;
}

bool UserFile::verify(std::string_view name, std::string_view password) const {
    const auto found = m_hashes.find(name);
    if (found == m_hashes.end()) {
        // The same work as for a known user, so that timing does not tell which names exist.
        static const std::string unknown = hashPassword("", kPasswordIterations);
        verifyPassword(password, unknown);
        return false;
    }
    return verifyPassword(password, found->second);
}

bool addUser(const std::string& path, std::string_view name, std::string_view password,
             std::string& reason, int iterations) {
    if (name.empty() || name.find_first_of("\t\r\n") != std::string_view::npos) {
        reason = "a user name must not be empty or hold a tab or a line break";
        return false;
    }
    if (password.empty()) {
        reason = "the password is empty";
        return false;
    }
    std::vector<std::string> lines;
    if (std::filesystem::exists(path) && !readLines(path, lines)) {
        reason = "cannot read " + path;
        return false;
    }
    const std::string hash = hashPassword(password, iterations);
    if (hash.empty()) {
        reason = "no random salt could be made";
        return false;
    }
    std::vector<std::string> kept;
    for (auto& line : lines) {
        if (!line.empty() && nameOf(line) != name) {
            kept.push_back(std::move(line));
        }
    }
    kept.push_back(std::string(name) + "\t" + hash);

    const std::string temporary = path + ".new";
    {
        const mode_t previous = umask(077);
        std::ofstream file(temporary, std::ios::trunc);
        umask(previous);
        for (const auto& line : kept) {
            file << line << '\n';
        }
        if (!file.flush()) {
            reason = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = "cannot replace " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quorvane::service
