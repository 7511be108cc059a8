// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct InstallOutcome {
    enum class Kind {
        Installed,     // the package tool finished without error
        NotPermitted,  // neither root nor an authorisation through pkexec
        Failed,        // the package tool ran and failed
    };
    Kind kind = Kind::NotPermitted;
    std::string command;  // what was run, for the message and the log
    int exitStatus = 0;
};

// Installs a downloaded package; tests and the command line may put another in its place.
class PackageInstaller {
  public:
    virtual ~PackageInstaller() = default;
    virtual InstallOutcome install(const std::string& packagePath) = 0;
};

// The system's package tool: with a root folder, `dpkg -x` unpacks into it (no privileges, the
// real system untouched); as root, `apt-get install`; otherwise through `pkexec` when it is
// installed. Without either, nothing is run and the outcome is NotPermitted.
class SystemPackageInstaller final : public PackageInstaller {
  public:
    explicit SystemPackageInstaller(std::string rootFolder = {}, bool allowPkexec = true);
    InstallOutcome install(const std::string& packagePath) override;

  private:
    std::string m_rootFolder;
    bool m_allowPkexec;
};

// The folder named by QUORVANE_UPDATE_ROOT, empty when unset.
std::string updateRootFromEnvironment();

}  // namespace quorvane
