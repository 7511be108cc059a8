// SPDX-License-Identifier: MIT
#include "online/RoomFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quorvane {

namespace {

bool writeAll(int descriptor, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace

std::string roomFilesFolder(const std::string& dataFolder) {
    return (std::filesystem::path(dataFolder) / "rooms").string();
}

bool writePrivateFile(const std::string& path, const std::string& text, std::string& problem) {
    const std::filesystem::path target(path);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    ::chmod(target.parent_path().c_str(), 0700);
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        problem = path + " is not a regular file";
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());  // created 0600
    if (descriptor < 0) {
        problem = "could not write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(descriptor, text) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = "could not write " + path + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> readFreshFile(const std::string& path, std::chrono::seconds maxAge,
                                         std::size_t limit) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat file {};
    std::optional<std::string> text;
    if (::fstat(descriptor, &file) == 0 && S_ISREG(file.st_mode) &&
        static_cast<std::size_t>(file.st_size) <= limit &&
        std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(file.st_mtime) <
            maxAge) {
        std::string content(static_cast<std::size_t>(file.st_size), '\0');
        std::size_t read = 0;
        while (read < content.size()) {
            const ssize_t count = ::read(descriptor, content.data() + read, content.size() - read);
            if (count <= 0) {
                break;
            }
            read += static_cast<std::size_t>(count);
        }
        if (read == content.size()) {
            text = std::move(content);
        }
    }
    ::close(descriptor);
    return text;
}

}  // namespace quorvane
