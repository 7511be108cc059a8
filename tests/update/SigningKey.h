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
    // Signs the file with scripts/sign-package.sh; gives the path of FILE.sig.
    std::string signFile(const std::string& file) const;
    // The signature of the bytes, made the same way.
    std::string signatureOf(const std::string& bytes) const;

  private:
    explicit SigningKey(std::string privateKeyFile);

    TempFolder m_folder;
    std::string m_privateKeyFile;
};

std::string readFile(const std::string& path);

}  // namespace quorvane::test
