// SPDX-License-Identifier: MIT
#include "platform/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

#include "platform/DataFolder.h"
#include "platform/ServiceSettings.h"
#include "text/LetterCase.h"

namespace quorvane {

namespace fs = std::filesystem;

namespace {

// The name as the folder holds it: the folder's own path with links resolved, the last name
// kept as it is, so that "data/../data/players2019.db" and a linked folder are recognised.
fs::path entryPath(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) {
        absolute = path;
    }
    fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
    if (error) {
        folder = absolute.parent_path().lexically_normal();
    }
    return folder / absolute.filename();
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// By name, whether or not the file exists yet (a WAL file comes and goes), and by identity, for a
// hard link or a symbolic link to one of them.
bool isOwnFile(const fs::path& path, const OwnFiles& own) {
    const fs::path entry = entryPath(path);
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    return std::any_of(own.paths.begin(), own.paths.end(), [&](const fs::path& ownPath) {
        if (entryPath(ownPath) == entry) {
            return true;
        }
        struct stat kept {};
        return exists && ::stat(ownPath.c_str(), &kept) == 0 && sameFile(target, kept);
    });
}

bool hasExtension(const fs::path& path, std::string_view extension) {
    return equalsIgnoringCase(path.extension().string(), extension);
}

FileWriteResult problem(FileWriteProblem kind, std::string systemError = {}) {
    return {kind, std::move(systemError)};
}

FileWriteResult systemFailure() {
    return problem(FileWriteProblem::WriteFailed, std::strerror(errno));
}

fs::path folderOf(const fs::path& path) {
    const fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// A file descriptor closed on every path out of a function.
class OpenFile {
  public:
    explicit OpenFile(int descriptor) : m_descriptor(descriptor) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { close(); }
    int get() const { return m_descriptor; }
    // Closing can be where a write's failure is reported, so its result counts.
    bool close() {
        if (m_descriptor < 0) {
            return true;
        }
        const int descriptor = std::exchange(m_descriptor, -1);
        return ::close(descriptor) == 0;
    }

  private:
    int m_descriptor;
};

// A new file in the target's folder under a name nobody else uses; O_EXCL and O_NOFOLLOW make
// sure it is a file this call created and not something placed there in the meantime.
int createTemporaryBeside(const fs::path& path, fs::path& temporary) {
    std::random_device random;
    // Names are at most 255 bytes; the target's own may already be that long.
    const std::string base = path.filename().string().substr(0, 100);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folderOf(path) / ("." + base + "." + std::to_string(::getpid()) + "-" +
                                      std::to_string(random()) + ".tmp");
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Puts the finished file in place. Without leave to replace, a file that appeared since the
// check is not replaced either.
bool moveIntoPlace(const fs::path& temporary, const fs::path& path, bool replace,
                   bool& existedMeanwhile) {
    if (replace) {
        return ::rename(temporary.c_str(), path.c_str()) == 0;
    }
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without that kind of rename: a hard link also refuses an existing name.
        if (::link(temporary.c_str(), path.c_str()) == 0) {
            ::unlink(temporary.c_str());
            return true;
        }
    }
    existedMeanwhile = errno == EEXIST;
    return false;
}

void syncFolder(const fs::path& path) {
    const OpenFile folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
}

}  // namespace

OwnFiles ownFilesIn(const std::string& dataFolder) {
    OwnFiles own;
    const std::string database = databasePathIn(dataFolder);
    for (const char* suffix : kDatabaseCompanions) {
        own.paths.emplace_back(database + suffix);
    }
    own.paths.emplace_back(logPathIn(dataFolder));
    own.paths.emplace_back(fs::path(dataFolder) / kSettingsFileName);
    return own;
}

OwnFiles programOwnFiles(const std::string& dataFolder) {
    OwnFiles own;
    const auto add = [&own](const std::string& folder) {
        if (!folder.empty()) {
            const OwnFiles more = ownFilesIn(folder);
            own.paths.insert(own.paths.end(), more.paths.begin(), more.paths.end());
        }
    };
    add(dataFolder);
    const DataFolderCandidates candidates = dataFolderCandidates(std::nullopt);
    add(candidates.overrideFolder.value_or(""));
    add(candidates.machineWide);
    add(candidates.user);
    return own;
}

FileWriteResult checkFileTarget(const FileTarget& target, const OwnFiles& own) {
    const fs::path& path = target.path;
    const fs::path name = path.filename();
    if (path.empty() || name.empty() || name == "." || name == "..") {
        return problem(FileWriteProblem::NotRegularFile);
    }
    if (isOwnFile(path, own)) {
        return problem(FileWriteProblem::OwnFile);
    }
    if (!target.extension.empty() && !hasExtension(path, target.extension)) {
        return problem(FileWriteProblem::WrongExtension);
    }
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) == 0) {
        if (S_ISLNK(entry.st_mode)) {
            return problem(FileWriteProblem::SymbolicLink);
        }
        if (!S_ISREG(entry.st_mode)) {
            return problem(FileWriteProblem::NotRegularFile);
        }
        return target.replace ? FileWriteResult{} : problem(FileWriteProblem::Exists);
    }
    if (errno != ENOENT) {
        return errno == ENOTDIR ? problem(FileWriteProblem::NoFolder) : systemFailure();
    }
    struct stat folder {};
    if (::stat(folderOf(path).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        return problem(FileWriteProblem::NoFolder);
    }
    return {};
}

FileWriteResult writeFileSafely(const FileTarget& target, const OwnFiles& own,
                                std::string_view bytes) {
    const FileWriteResult checked = checkFileTarget(target, own);
    if (!checked.ok()) {
        return checked;
    }
    const fs::path& path = target.path;
    fs::path temporary;
    OpenFile file(createTemporaryBeside(path, temporary));
    if (file.get() < 0) {
        return systemFailure();
    }
    const auto abandon = [&temporary] {
        const FileWriteResult failure = systemFailure();
        ::unlink(temporary.c_str());
        return failure;
    };
    struct stat earlier {};
    if (target.replace && ::lstat(path.c_str(), &earlier) == 0 && S_ISREG(earlier.st_mode) &&
        ::fchmod(file.get(), earlier.st_mode & 07777) != 0) {
        return abandon();
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.close()) {
        return abandon();
    }
    bool existedMeanwhile = false;
    if (!moveIntoPlace(temporary, path, target.replace, existedMeanwhile)) {
        const FileWriteResult failure = abandon();
        return existedMeanwhile ? problem(FileWriteProblem::Exists) : failure;
    }
    syncFolder(path);
    return {};
}

std::string fileProblemText(const FileWriteResult& result, const FileTarget& target) {
    const std::string path = target.path.string();
    switch (result.problem) {
        case FileWriteProblem::None:
            return path + " was written.";
        case FileWriteProblem::OwnFile:
            return path +
                   " is one of the draft program's own files (its database, log or settings) "
                   "and is never written over. Choose another file name.";
        case FileWriteProblem::SymbolicLink:
            return path +
                   " is a symbolic link. Files are not written through links; give the name of "
                   "the file itself.";
        case FileWriteProblem::NotRegularFile:
            return path +
                   " is not a regular file (it is a folder, a pipe or a device), so nothing was "
                   "written.";
        case FileWriteProblem::Exists:
            return path + " already exists and was left as it is; --force replaces it.";
        case FileWriteProblem::NoFolder:
            return "The folder of " + path + " does not exist, so nothing was written.";
        case FileWriteProblem::WrongExtension:
            return "The file name must end in " + target.extension + ": " + path;
        case FileWriteProblem::WriteFailed:
            break;
    }
    return path + " could not be written (" + result.systemError +
           "). An earlier file of that name is unchanged.";
}

std::string replaceFileQuestion(const std::filesystem::path& path) {
    return path.string() + " already exists. Do you want to replace it?";
}

}  // namespace quorvane
