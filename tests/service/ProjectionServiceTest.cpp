// SPDX-License-Identifier: MIT
#include <httplib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LoopbackService.h"

namespace quorvane::test {
namespace {

// An HTTPS client that trusts the test certificate; one connection per request.
struct TestClient {
    explicit TestClient(int port) : client("127.0.0.1", port) {
        client.set_ca_cert_path(trustedCertificate().certFile.c_str());
        client.enable_server_certificate_verification(true);
        client.set_connection_timeout(5, 0);
        client.set_read_timeout(5, 0);
        client.set_keep_alive(false);
    }
    int status(const std::string& path) {
        const auto result = client.Get(path);
        return result ? result->status : -1;
    }
    std::string body(const std::string& path) {
        const auto result = client.Get(path);
        return result ? result->body : std::string();
    }
    httplib::SSLClient client;
};

// A service on any free port with the test projections and no users, its files in the folder;
// for the checks that start() makes.
service::ServiceConfig configIn(const TempFolder& folder) {
    service::ServiceConfig config;
    config.port = 0;
    config.version = "1303";
    config.projectionsFile = folder.str() + "/projections.csv";
    config.usersFile = folder.str() + "/users.txt";
    std::ofstream(config.projectionsFile, std::ios::binary) << kServedProjections;
    std::ofstream(config.usersFile);
    return config;
}

TEST(ProjectionService, ServesTheProjectionsOnlyAfterAnAcceptedAccountRequest) {
    LoopbackService service("coach", "s3cret");
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    EXPECT_EQ(client.status("/draft/nba/da_projections.csv"), 403);
    EXPECT_EQ(client.status("/draft/nfl/user.asp?u=coach&p=wrong"), 403);
    EXPECT_EQ(client.status("/draft/nba/da_projections.csv"), 403);
    EXPECT_EQ(client.status("/draft/nfl/user.asp?u=coach"), 400);
    EXPECT_EQ(client.body("/draft/nfl/user.asp?u=coach&p=s3cret"), "OK");
    EXPECT_EQ(client.body("/draft/nba/da_projections.csv"), kServedProjections);
    EXPECT_EQ(client.body("/draft/nba/version.asp"), "1303");

    // A later wrong password from the same address gets nothing on the earlier grant.
    EXPECT_EQ(client.status("/draft/nfl/user.asp?u=coach&p=s3cret%20"), 403);
    EXPECT_EQ(client.status("/draft/nba/da_projections.csv"), 403);
}

TEST(ProjectionService, RefusesBadPlayerIdsAndUnknownPaths) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    for (const char* id :
         {"", "abc", "0", "-5", "20000", "12x", "1e3", "99999999999999999999", "101&id=102"}) {
        EXPECT_EQ(client.status(std::string("/draft/nba/da_player.asp?id=") + id), 400) << id;
    }
    EXPECT_EQ(client.status("/draft/nba/da_player.asp"), 400);
    EXPECT_EQ(client.status("/draft/nba/da_player.asp?id=103"), 404);
    EXPECT_EQ(client.status("/draft/nba/nothing.asp"), 404);
    EXPECT_EQ(client.status("/../../etc/passwd"), 404);
}

TEST(ProjectionService, PlayerPagesShowEverySeasonAndEscapeTheFilesText) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    const std::string page = client.body("/draft/nba/da_player.asp?id=102");
    EXPECT_NE(page.find("Ben &lt;b&gt;Bold&lt;/b&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<b>Bold"), std::string::npos);
    // 2019: 2 * 200 field goals + 60 free throws = 460 points in 50 games.
    EXPECT_NE(page.find("<td>2019</td><td>9.2</td><td>11.0</td><td>1.2</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>2018</td>"), std::string::npos);
    EXPECT_LT(page.find("<td>2019</td>"), page.find("<td>2018</td>"));
}

TEST(ProjectionService, ServesTheHelpPages) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    for (const char* path :
         {"/draft/nba/da_index.asp", "/draft/nba/help_main.asp", "/draft/nba/help_research.asp",
          "/draft/nba/help_standings.asp", "/draft/nba/help_targets.asp"}) {
        EXPECT_EQ(client.status(path), 200) << path;
    }
    // The pages link each other by file name.
    EXPECT_EQ(client.body("/draft/nba/help_main.htm"), client.body("/draft/nba/help_main.asp"));
    EXPECT_EQ(client.status("/draft/nba/help.css"), 200);
    EXPECT_EQ(client.status("/draft/nba/..%2Fhelp.css"), 404);
    EXPECT_EQ(client.status("/draft/nba/missing.htm"), 404);
}

TEST(ProjectionService, RefusesOversizedRequestsAndSurvivesMalformedOnes) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    EXPECT_EQ(client.status("/draft/nba/version.asp?x=" + std::string(20000, 'a')), 414);
    const auto posted =
        client.client.Post("/draft/nba/version.asp", std::string(100000, 'x'), "text/plain");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 413);
    const auto bigHeader =
        client.client.Get("/draft/nba/version.asp", {{"X-Filler", std::string(20000, 'a')}});
    ASSERT_TRUE(bigHeader);
    EXPECT_EQ(bigHeader->status, 400);

    // Plain text, half handshakes and binary noise where TLS is expected.
    for (int i = 0; i < 25; ++i) {
        sendRawBytes(service.port(), "GET / HTTP/1.1\r\nHost: x\r\n\r\n");
        sendRawBytes(service.port(), std::string("\x16\x03\x01\x00\x05\x01\x00", 7));
        sendRawBytes(service.port(), std::string(static_cast<std::size_t>(i * 997 % 5000), '\xff'));
    }
    EXPECT_EQ(client.body("/draft/nba/version.asp"), "1303");
}

TEST(ProjectionService, OffersTheUpdatePackageWithItsChecksumOnlyWhenGivenOne) {
    TempFolder folder;
    const std::string package = folder.str() + "/quorvane_13.0.3_amd64.deb";
    std::ofstream(package, std::ios::binary) << "abc";
    LoopbackService offering([&](service::ServiceConfig& config) { config.packageFile = package; });
    ASSERT_TRUE(offering.started());
    TestClient client(offering.port());
    // The SHA-256 of "abc" is the standard's own first example.
    EXPECT_EQ(client.body("/draft/nba/update.asp"),
              "version=1303\r\nfile=quorvane_13.0.3_amd64.deb\r\nsize=3\r\nsha256="
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\r\n");
    EXPECT_EQ(client.body("/draft/nba/update.deb"), "abc");
    EXPECT_EQ(client.body("/draft/nba/version.asp"), "1303");

    LoopbackService plain;
    ASSERT_TRUE(plain.started());
    TestClient plainClient(plain.port());
    EXPECT_EQ(plainClient.status("/draft/nba/update.asp"), 404);
    EXPECT_EQ(plainClient.status("/draft/nba/update.deb"), 404);

    service::ServiceConfig config = configIn(folder);
    config.packageFile = folder.str() + "/missing.deb";
    service::ProjectionService missing(config);
    std::string reason;
    EXPECT_FALSE(missing.start(reason));
    EXPECT_EQ(reason, "cannot read the package " + config.packageFile);

    config.packageFile = package;
    config.packageSha256 = "not a checksum";
    service::ProjectionService malformed(config);
    EXPECT_FALSE(malformed.start(reason));
    EXPECT_EQ(reason, "--package-sha256 wants 64 hexadecimal digits");
}

TEST(ProjectionService, AnnouncesThePublishersChecksumEvenWhenTheFileDiffers) {
    TempFolder folder;
    const std::string package = folder.str() + "/quorvane_13.0.3_amd64.deb";
    std::ofstream(package, std::ios::binary) << "abd";
    LoopbackService service([&](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageSha256 = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";
    });
    ASSERT_TRUE(service.started());
    TestClient client(service.port());
    const std::string offer = client.body("/draft/nba/update.asp");
    EXPECT_NE(
        offer.find("\r\nsha256=ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"),
        std::string::npos)
        << offer;
    EXPECT_EQ(client.body("/draft/nba/update.deb"), "abd");
}

TEST(ProjectionService, OffersThePublishersSignatureBesideThePackage) {
    TempFolder folder;
    const std::string package = folder.str() + "/quorvane_13.0.3_amd64.deb";
    const std::string signature = package + ".sig";
    std::ofstream(package, std::ios::binary) << "abc";
    const std::string signatureBytes(64, '\xA5');
    std::ofstream(signature, std::ios::binary) << signatureBytes;
    LoopbackService signedPackage([&](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageSignatureFile = signature;
    });
    ASSERT_TRUE(signedPackage.started());
    TestClient client(signedPackage.port());
    EXPECT_EQ(client.body("/draft/nba/update.deb.sig"), signatureBytes);
    EXPECT_EQ(client.body("/draft/nba/update.deb"), "abc");

    LoopbackService unsignedPackage(
        [&](service::ServiceConfig& config) { config.packageFile = package; });
    ASSERT_TRUE(unsignedPackage.started());
    EXPECT_EQ(TestClient(unsignedPackage.port()).status("/draft/nba/update.deb.sig"), 404);

    service::ServiceConfig config = configIn(folder);
    config.packageSignatureFile = signature;
    std::string reason;
    EXPECT_FALSE(service::ProjectionService(config).start(reason));
    EXPECT_EQ(reason, "--package-signature needs the --package it signs");
    // A signature with a line end added, as an editor would save it, is refused.
    config.packageFile = package;
    std::ofstream(signature, std::ios::binary) << signatureBytes << '\n';
    EXPECT_FALSE(service::ProjectionService(config).start(reason));
    EXPECT_NE(reason.find("is not an Ed25519 signature of 64 bytes"), std::string::npos) << reason;
}

TEST(ProjectionService, OffersThePublishersSignedManifestBesideThePackage) {
    TempFolder folder;
    const std::string package = folder.str() + "/quorvane-basketball-draft_13.0.3_all.deb";
    const std::string manifest = package + ".manifest";
    std::ofstream(package, std::ios::binary) << "abc";
    const std::string manifestText =
        "quorvane-update-manifest 1\npackage=quorvane-basketball-draft\nversion=13.0.3\n"
        "size=3\nsha256=ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n";
    const std::string signatureBytes(64, '\x5A');
    std::ofstream(manifest, std::ios::binary) << manifestText;
    std::ofstream(manifest + ".sig", std::ios::binary) << signatureBytes;
    LoopbackService offering([&](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageManifestFile = manifest;
    });
    ASSERT_TRUE(offering.started());
    TestClient client(offering.port());
    EXPECT_EQ(client.body("/draft/nba/update.manifest"), manifestText);
    EXPECT_EQ(client.body("/draft/nba/update.manifest.sig"), signatureBytes);
    EXPECT_EQ(client.status("/draft/nba/update.deb.sig"), 404);

    LoopbackService unsignedPackage(
        [&](service::ServiceConfig& config) { config.packageFile = package; });
    ASSERT_TRUE(unsignedPackage.started());
    EXPECT_EQ(TestClient(unsignedPackage.port()).status("/draft/nba/update.manifest"), 404);
    EXPECT_EQ(TestClient(unsignedPackage.port()).status("/draft/nba/update.manifest.sig"), 404);

    // The operator is warned of a manifest for another package or version.
    std::string reason;
    service::UpdatePackage offered = *service::UpdatePackage::load(package, reason);
    ASSERT_TRUE(offered.loadManifest(manifest, reason)) << reason;
    EXPECT_EQ(offered.manifestMismatch("1303"), "");
    EXPECT_EQ(offered.manifestMismatch("9900"), "version");
    std::ofstream(package, std::ios::binary) << "abcd";
    offered = *service::UpdatePackage::load(package, reason);
    ASSERT_TRUE(offered.loadManifest(manifest, reason)) << reason;
    EXPECT_EQ(offered.manifestMismatch("1303"), "size, SHA-256");

    service::ServiceConfig config = configIn(folder);
    config.packageManifestFile = manifest;
    EXPECT_FALSE(service::ProjectionService(config).start(reason));
    EXPECT_EQ(reason, "--package-manifest needs the --package it describes");
    config.packageFile = package;
    std::filesystem::remove(manifest + ".sig");
    EXPECT_FALSE(service::ProjectionService(config).start(reason));
    EXPECT_EQ(reason, "cannot read the manifest signature " + manifest + ".sig");
    std::ofstream(manifest + ".sig", std::ios::binary) << signatureBytes;
    std::ofstream(manifest, std::ios::binary) << std::string(5000, 'x');
    EXPECT_FALSE(service::ProjectionService(config).start(reason));
    EXPECT_NE(reason.find("is larger than a manifest"), std::string::npos) << reason;
}

TEST(ProjectionService, StopsAlsoWhenStoppedAtOnce) {
    // Each would hang in its destructor if a stop before serving were lost.
    for (int i = 0; i < 5; ++i) {
        LoopbackService service;
        EXPECT_TRUE(service.started());
    }
}

}  // namespace
}  // namespace quorvane::test
