// SPDX-License-Identifier: MIT
#include "session/DatabaseFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "model/DraftSession.h"
#include "store/Schema.h"

namespace quorvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBuildingInfix = ".building-";

void removeDatabaseFiles(const std::string& path) {
    std::error_code error;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        fs::remove(path + suffix, error);
    }
}

// Builds left by programs that were killed (their process is gone) would otherwise pile up.
void removeAbandonedBuilds(const fs::path& finalPath) {
    const std::string prefix = finalPath.filename().string() + std::string(kBuildingInfix);
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(finalPath.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) != 0) {
            continue;
        }
        const std::string rest = name.substr(prefix.size());
        const std::size_t digits = rest.find_first_not_of("0123456789");
        const std::string pidText = rest.substr(0, digits);
        if (pidText.empty() || pidText.size() > 9) {
            continue;
        }
        const pid_t owner = static_cast<pid_t>(std::stol(pidText));
        if (owner != getpid() && kill(owner, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            fs::remove(entry.path(), ignored);
        }
    }
}

// Moves the finished file into place unless a database is there already (another program's
// first start won the race): that one is never replaced.
bool moveIntoPlace(const std::string& building, const std::string& finalPath) {
    if (renameat2(AT_FDCWD, building.c_str(), AT_FDCWD, finalPath.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // File systems without the no-replace rename still make a hard link atomically.
    if (link(building.c_str(), finalPath.c_str()) != 0) {
        return false;
    }
    unlink(building.c_str());
    return true;
}

}  // namespace

bool buildDatabaseFile(DraftSession& session, const std::optional<std::string>& sampleFile,
                       const SampleImport& importSample) {
    const std::string finalPath = session.connectionString;
    removeAbandonedBuilds(finalPath);
    const std::string building = finalPath + std::string(kBuildingInfix) + std::to_string(getpid());
    removeDatabaseFiles(building);

    Connection& connection = session.dbConnection;
    if (!createConnection(connection, building, Log(session.logFilePath)) ||
        !upgradeSchema(connection)) {
        closeConnection(connection);
        removeDatabaseFiles(building);
        return false;
    }
    if (sampleFile) {
        // A database without the sample is still usable: the user can load a file of his own.
        importSample(session, *sampleFile);
    }
    // Closing the only connection writes the log of changes back into the file and removes it;
    // one left behind would not follow the file to its new name.
    closeConnection(connection);
    std::error_code error;
    if (fs::exists(building + "-wal", error) || !moveIntoPlace(building, finalPath)) {
        removeDatabaseFiles(building);
        return fs::is_regular_file(finalPath, error);
    }
    return true;
}

}  // namespace quorvane
