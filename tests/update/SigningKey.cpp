// SPDX-License-Identifier: MIT
#include "SigningKey.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/RunProgram.h"

namespace quorvane::test {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string buildDebianPackage(const TempFolder& folder, const std::string& name,
                               const std::string& version) {
    namespace fs = std::filesystem;
    const fs::path tree = folder.path() / "tree";
    fs::remove_all(tree);
    fs::create_directories(tree / "DEBIAN");
    fs::create_directories((tree / kPackageMarker).parent_path());
    std::ofstream(tree / "DEBIAN" / "control")
        << "Package: " << name << "\nVersion: " << version
        << "\nArchitecture: all\nMaintainer: Tests <tests@quorvane.org>\n"
           "Description: a package for the updater test\n";
    std::ofstream(tree / kPackageMarker) << "installed by the updater\n";
    const std::string package = (folder.path() / (name + "_" + version + "_all.deb")).string();
    const std::string command =
        "dpkg-deb --root-owner-group --build '" + tree.string() + "' '" + package + "' >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return package;
}

SigningKey::SigningKey() : m_privateKeyFile(m_folder.str() + "/publisher.key") {
    EXPECT_EQ(runAndWait(QUORVANE_SCRIPTS_DIR "/make-signing-key.sh", {m_privateKeyFile}), 0);
}

SigningKey::SigningKey(std::string privateKeyFile) : m_privateKeyFile(std::move(privateKeyFile)) {}

const SigningKey& SigningKey::builtIntoTestProgram() {
    static const SigningKey key(QUORVANE_TEST_PUBLISHER_KEY);
    return key;
}

std::string SigningKey::publicKeyPem() const {
    return readFile(m_privateKeyFile + ".pub");
}

std::string SigningKey::signFile(const std::string& package) const {
    EXPECT_EQ(runAndWait(QUORVANE_SCRIPTS_DIR "/sign-package.sh", {m_privateKeyFile, package}), 0);
    return package + ".sig";
}

std::string SigningKey::signatureOf(const std::string& bytes) const {
    const std::string file = m_folder.str() + "/signed.bin";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(runAndWait("openssl", {"pkeyutl", "-sign", "-inkey", m_privateKeyFile, "-rawin",
                                     "-in", file, "-out", file + ".sig"}),
              0);
    return readFile(file + ".sig");
}

}  // namespace quorvane::test
