// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// SQLite keeps these beside the database while it is open or after a crash; writing any of them
// corrupts the league as surely as writing the database itself.
inline constexpr const char* kDatabaseCompanions[] = {"", "-wal", "-shm", "-journal"};

// The files the program keeps for itself: no export, picture or download may take their place.
struct OwnFiles {
    std::vector<std::filesystem::path> paths;
};

// The database (with its journal, WAL and shared-memory files), the log and the service settings
// of one data folder.
OwnFiles ownFilesIn(const std::string& dataFolder);
// Those of the data folder and of every folder the program would look for a database in, since
// another run may use that one.
OwnFiles programOwnFiles(const std::string& dataFolder);

// A file the user asked to have written.
struct FileTarget {
    std::filesystem::path path;
    // An existing file is replaced only when the user said so (--force, or Yes in the window).
    bool replace = false;
    // The ending the name must have (".png"), case ignored; empty: any name.
    std::string extension;
};

enum class FileWriteProblem {
    None,
    OwnFile,         // the program's own database, log or settings
    SymbolicLink,    // the name is a link: the file it points to is never written through it
    NotRegularFile,  // a folder, a pipe, a device or a socket
    Exists,          // a file is there and the user did not ask to replace it
    NoFolder,        // the folder the file would go in does not exist
    WrongExtension,
    WriteFailed,  // the system refused a step; an earlier file of that name is unchanged
};

struct FileWriteResult {
    FileWriteProblem problem = FileWriteProblem::None;
    std::string systemError;  // what the system said, for WriteFailed
    bool ok() const { return problem == FileWriteProblem::None; }
};

// Whether the target may be written, found without opening it: a pipe or a device is refused at
// once instead of blocking.
FileWriteResult checkFileTarget(const FileTarget& target, const OwnFiles& own);

// Writes the bytes as the target file: first into a new file beside it, which is then renamed
// over the name, so a failure at any step leaves an earlier file whole and no partial file
// behind. A file that is replaced keeps its permissions.
FileWriteResult writeFileSafely(const FileTarget& target, const OwnFiles& own,
                                std::string_view bytes);

// What went wrong, naming the file, for the message window or standard error.
std::string fileProblemText(const FileWriteResult& result, const FileTarget& target);

// The window's question before it replaces an existing file.
std::string replaceFileQuestion(const std::filesystem::path& path);

}  // namespace quorvane
