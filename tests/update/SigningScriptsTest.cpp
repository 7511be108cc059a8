// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SigningKey.h"
#include "app/RunProgram.h"
#include "update/PackageOffer.h"
#include "update/PackageSignature.h"

namespace quorvane::test {
namespace {

namespace fs = std::filesystem;

const std::string kMakeKey = QUORVANE_SCRIPTS_DIR "/make-signing-key.sh";
const std::string kSign = QUORVANE_SCRIPTS_DIR "/sign-package.sh";

TEST(SigningScripts, MakeKeysWhoseSignaturesTheUpdaterChecks) {
    const SigningKey publisher;
    const SigningKey other;
    EXPECT_EQ(fs::status(publisher.privateKeyFile()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(publisher.publicKeyPem().starts_with("-----BEGIN PUBLIC KEY-----\n"));

    // Bytes of every value, as a package holds.
    std::string package;
    for (int i = 0; i < 5000; ++i) {
        package += static_cast<char>(i * 7 % 256);
    }
    const std::string signature = publisher.signatureOf(package);
    EXPECT_EQ(signature.size(), 64U);
    std::string reason;
    EXPECT_TRUE(isSignedByPublisher(package, signature, publisher.publicKeyPem(), reason));

    std::string changed = package;
    changed[2500] ^= 0x01;
    EXPECT_FALSE(isSignedByPublisher(changed, signature, publisher.publicKeyPem(), reason));
    EXPECT_EQ(reason, "the signature does not verify with the publisher's key");
    EXPECT_FALSE(isSignedByPublisher(package, signature, other.publicKeyPem(), reason));
    EXPECT_FALSE(
        isSignedByPublisher(package, signature.substr(1), publisher.publicKeyPem(), reason));
    EXPECT_EQ(reason, "the signature is 63 bytes, not 64");
    // A key of another kind verifies nothing, not even by chance.
    EXPECT_FALSE(
        isSignedByPublisher(package, signature, readFile(publisher.privateKeyFile()), reason));
    EXPECT_EQ(reason, "the publisher's key is not an Ed25519 public key");
}

TEST(SigningScripts, SignAManifestOfThePackagesOwnNameVersionSizeAndChecksum) {
    const SigningKey publisher;
    const TempFolder folder;
    const std::string package =
        buildDebianPackage(folder, "quorvane-basketball-draft", "1:13.0.3-2");
    publisher.signFile(package);

    const std::string bytes = readFile(package);
    const std::string manifest = readFile(package + ".manifest");
    EXPECT_EQ(manifest,
              "quorvane-update-manifest 1\npackage=quorvane-basketball-draft\n"
              "version=1:13.0.3-2\nsize=" +
                  std::to_string(fs::file_size(package)) + "\nsha256=" + sha256Hex(bytes) + "\n");
    std::string reason;
    EXPECT_TRUE(isSignedByPublisher(manifest, readFile(package + ".manifest.sig"),
                                    publisher.publicKeyPem(), reason))
        << reason;
    // The package's own signature stays for the updaters made before the manifest.
    EXPECT_TRUE(
        isSignedByPublisher(bytes, readFile(package + ".sig"), publisher.publicKeyPem(), reason))
        << reason;
}

TEST(SigningScripts, KeepKeysSafeAndSignOnlyWithAPrivateKey) {
    const TempFolder folder;
    const std::string key = folder.str() + "/publisher.key";
    ASSERT_EQ(runAndWait(kMakeKey, {key}), 0);
    const std::string firstKey = readFile(key);
    EXPECT_EQ(runAndWait(kMakeKey, {key}), 1);
    EXPECT_EQ(readFile(key), firstKey);

    const std::string package = folder.str() + "/q_13.0.3_amd64.deb";
    std::ofstream(package, std::ios::binary) << "bytes";
    EXPECT_EQ(runAndWait(kSign, {key + ".pub", package}), 1);
    EXPECT_EQ(runAndWait(kSign, {key, folder.str() + "/missing.deb"}), 1);
    EXPECT_EQ(runAndWait(kSign, {key}), 2);
    // Bytes that are no package have no name and version to sign for.
    EXPECT_EQ(runAndWait(kSign, {key, package}), 1);
    for (const char* written : {".sig", ".manifest", ".manifest.sig", ".sig.part"}) {
        EXPECT_FALSE(fs::exists(package + written)) << written;
    }

    if (!programOnPath("git")) {
        GTEST_SKIP() << "git is not installed";
    }
    // A repository that ignores *.key may hold one (a build folder); any other may not.
    const std::string repository = folder.str() + "/repository";
    ASSERT_EQ(runAndWait("git", {"init", "-q", repository}), 0);
    EXPECT_EQ(runAndWait(kMakeKey, {repository + "/signing.key"}), 1);
    EXPECT_FALSE(fs::exists(repository + "/signing.key"));
    std::ofstream(repository + "/.gitignore") << "*.key\n*.key.pub\n";
    EXPECT_EQ(runAndWait(kMakeKey, {repository + "/signing.key"}), 0);
}

}  // namespace
}  // namespace quorvane::test
