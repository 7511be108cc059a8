// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "support/TestProgram.h"

namespace quorvane::test {

// A publisher's key pair: made with scripts/make-signing-key.sh in a temporary folder of its
// own, or the one the build made for the tests (and built into quorvane-update-test-key).
class SigningKey {
  public:
    SigningKey();
    static const SigningKey& builtIntoTestProgram();

    const std::string& privateKeyFile() const { return m_privateKeyFile; }
    std::string publicKeyPem() const;
    // Signs a Debian package with scripts/sign-package.sh, which writes PACKAGE.manifest and
    // PACKAGE.manifest.sig beside it; gives the path of PACKAGE.sig.
    std::string signFile(const std::string& package) const;
    // The signature of any bytes (a manifest written by hand), made with the script's command.
    std::string signatureOf(const std::string& bytes) const;

  private:
    explicit SigningKey(std::string privateKeyFile);

    TempFolder m_folder;
    std::string m_privateKeyFile;
};

std::string readFile(const std::string& path);

// The one file the packages below hold, as a path inside the package.
inline constexpr const char* kPackageMarker = "usr/share/quorvane-update-test/marker.txt";

// A real, small Debian package holding one text file, built with dpkg-deb in the folder; by
// default the draft software's next version. Its path.
std::string buildDebianPackage(const TempFolder& folder,
                               const std::string& name = "quorvane-basketball-draft",
                               const std::string& version = "13.0.3");

}  // namespace quorvane::test
