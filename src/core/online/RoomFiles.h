// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quorvane {

// The folder of the data folder where rooms' player lists and a draft's room cookies are kept.
std::string roomFilesFolder(const std::string& dataFolder);

// Writes a file only the user can read (0600) in a folder only he can enter: a temporary file
// beside it, renamed over the old one, so a failure leaves the old file whole. A symbolic link
// or anything but a regular file at the path is refused. False with the reason.
bool writePrivateFile(const std::string& path, const std::string& text, std::string& problem);

// The text of a regular file (no symbolic link) written less than `maxAge` ago and no larger
// than `limit`; nullopt otherwise.
std::optional<std::string> readFreshFile(const std::string& path, std::chrono::seconds maxAge,
                                         std::size_t limit);

}  // namespace quorvane
