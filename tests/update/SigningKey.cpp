// SPDX-License-Identifier: MIT
#include "SigningKey.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/RunProgram.h"

namespace quorvane::test {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
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

std::string SigningKey::signFile(const std::string& file) const {
    EXPECT_EQ(runAndWait(QUORVANE_SCRIPTS_DIR "/sign-package.sh", {m_privateKeyFile, file}), 0);
    return file + ".sig";
}

std::string SigningKey::signatureOf(const std::string& bytes) const {
    const std::string file = m_folder.str() + "/signed.bin";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    return readFile(signFile(file));
}

}  // namespace quorvane::test
