// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SigningKey.h"
#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"
#include "update/PackageOffer.h"
#include "update/PackageUpdate.h"

namespace quorvane::test {

namespace {

constexpr const char* kPackage = "not really a package, but bytes to check";
// What sha256sum prints for kPackage.
constexpr const char* kPackageSha256 =
    "d3e4435464d227572dcf61ae781539deb5eb4ba59cfff43f4452390cda7b85ec";

struct RecordingInstaller final : PackageInstaller {
    InstallOutcome install(const std::string& path) override {
        installed.push_back(path);
        return {kind, "apt-get install -y " + path, kind == InstallOutcome::Kind::Failed ? 100 : 0};
    }
    InstallOutcome::Kind kind = InstallOutcome::Kind::Installed;
    std::vector<std::string> installed;
};

// Answers every download with the same bytes, reported as they "arrive" in parts of 16, and
// the outcome given.
struct FakeDownloader final : PackageDownloader {
    PackageDownload download(const std::string& url, long long sizeLimit,
                             const DownloadProgress& progress) override {
        urls.push_back(url);
        PackageDownload answer;
        answer.outcome = outcome;
        answer.status = 200;
        for (std::size_t sent = 16; sent < bytes.size(); sent += 16) {
            progress(static_cast<long long>(sent));
        }
        // A download that does not finish ends after its first 12 bytes.
        answer.received = outcome == PackageDownload::Outcome::Complete
                              ? static_cast<long long>(bytes.size())
                              : 12;
        answer.info = "test download (" + url + ")";
        if (outcome == PackageDownload::Outcome::NotConnected) {
            answer.failure = failure;
            answer.address = url;
        }
        if (static_cast<long long>(bytes.size()) > sizeLimit) {
            answer.outcome = PackageDownload::Outcome::TooLarge;
        } else if (outcome == PackageDownload::Outcome::Complete) {
            answer.bytes = bytes;
        }
        return answer;
    }
    std::string bytes = kPackage;
    PackageDownload::Outcome outcome = PackageDownload::Outcome::Complete;
    TransferFailure failure = TransferFailure::NoConnection;  // of a download NotConnected
    std::vector<std::string> urls;
};

std::string offer(const std::string& version, const std::string& sha256,
                  const std::string& file = "quorvane-basketball-draft_13.0.3_amd64.deb",
                  const std::string& size = "40") {
    return "version=" + version + "\r\nfile=" + file + "\r\nsize=" + size + "\r\nsha256=" + sha256 +
           "\r\n";
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One key for the whole test program: making one runs openssl twice.
const SigningKey& publisher() {
    static const SigningKey key;
    return key;
}

struct UpdateRun : ::testing::Test {
    PackageUpdateResult run(const std::string& announced = "1303") {
        PackageUpdateRequest request;
        request.serviceHost = "updates.example.org";
        request.announcedVersion = announced;
        request.appVersion = "13.0.2";
        request.saveFolder = (program.folder.path() / "downloads").string();
        request.ownFiles = ownFilesOf(program.state);
        request.publisherKey = publisherKey;
        return runPackageUpdate(request, transfer, downloader, program.dialogs,
                                Log(program.state.logFilePath), installer);
    }
    // The offer of kPackage and its signature, as a signing publisher's service answers.
    void offerSignedPackage() {
        transfer.answer(offer("1303", kPackageSha256));
        transfer.answer(publisher().signatureOf(kPackage));
    }
    std::filesystem::path saved() const {
        return program.folder.path() / "downloads" / "quorvane-basketball-draft_13.0.3_amd64.deb";
    }
    void expectNothingKept() {
        EXPECT_TRUE(installer.installed.empty());
        EXPECT_FALSE(std::filesystem::exists(saved()));
    }
    TestProgram program;
    FakeTransfer transfer;
    FakeDownloader downloader;
    RecordingInstaller installer;
    std::string publisherKey = publisher().publicKeyPem();
};

}  // namespace

TEST(PackageOffer, ReadsTheFourLinesAndRefusesAnythingUnsafeOrMissing) {
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const auto good = parsePackageOffer(
        "version=1303\nfile=q_13.0.3_amd64.deb\nsize=2048\n"
        "sha256=BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB4"
        "10FF61F20015AD");
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->version, "1303");
    EXPECT_EQ(good->size, 2048);
    EXPECT_EQ(good->sha256, sha256Hex("abc"));

    const std::string sha = sha256Hex("abc");
    for (const std::string& bad :
         {offer("1303", sha, "../../etc/cron.d/x.deb"), offer("1303", sha, "/tmp/q.deb"),
          offer("1303", sha, "q.tar.gz"), offer("1303", sha, ".deb"), offer("1303", sha + "0"),
          offer("1303", sha.substr(1) + "g"), offer("13.0.3", sha), offer("1303", sha, "q deb.deb"),
          std::string("version=1303\nfile=q.deb\nsha256=") + sha}) {
        EXPECT_FALSE(parsePackageOffer(bad).has_value()) << bad;
    }
}

TEST_F(UpdateRun, AChecksumThatDiffersIsNeitherSavedNorInstalled) {
    transfer.answer(offer("1303", sha256Hex("abc")));

    EXPECT_EQ(run(), PackageUpdateResult::Refused);

    EXPECT_TRUE(installer.installed.empty());
    EXPECT_FALSE(std::filesystem::exists(saved()));
    ASSERT_EQ(program.dialogs.messages.size(), 1U);
    const std::string& text = program.dialogs.messages[0].text;
    EXPECT_NE(text.find("does not match its SHA-256 checksum, so it was not installed"),
              std::string::npos);
    EXPECT_NE(text.find("Expected: " + sha256Hex("abc")), std::string::npos);
    EXPECT_NE(text.find(std::string("Received: ") + kPackageSha256), std::string::npos);
    ASSERT_FALSE(program.logLines().empty());
    EXPECT_NE(program.logLines().back().find("does not match its SHA-256"), std::string::npos);
}

TEST_F(UpdateRun, AMatchingSignedPackageIsSavedAndHandedToThePackageTool) {
    offerSignedPackage();

    EXPECT_EQ(run(), PackageUpdateResult::Installed);

    EXPECT_EQ(transfer.urls,
              (std::vector<std::string>{"https://updates.example.org/draft/nba/update.asp",
                                        "https://updates.example.org/draft/nba/update.deb.sig"}));
    EXPECT_EQ(downloader.urls,
              std::vector<std::string>{"https://updates.example.org/draft/nba/update.deb"});
    EXPECT_EQ(installer.installed, std::vector<std::string>{saved().string()});
    EXPECT_EQ(readAll(saved()), kPackage);
    EXPECT_EQ(program.dialogs.lastText(),
              "Version 1303 of the draft software was installed. Start the draft program again "
              "to use it.");
}

TEST_F(UpdateRun, WithoutTheRightsThePathAndTheCommandAreNamed) {
    installer.kind = InstallOutcome::Kind::NotPermitted;
    offerSignedPackage();

    EXPECT_EQ(run(), PackageUpdateResult::Saved);

    EXPECT_TRUE(std::filesystem::exists(saved()));
    EXPECT_NE(program.dialogs.lastText().find("The package was saved as " + saved().string()),
              std::string::npos);
    EXPECT_NE(program.dialogs.lastText().find("sudo apt install " + saved().string()),
              std::string::npos);
}

TEST_F(UpdateRun, RefusesAnOfferForAnotherVersionAndAServiceWithoutAPackage) {
    transfer.answer(offer("1304", kPackageSha256));
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_NE(program.dialogs.lastText().find("not of the announced version 1303"),
              std::string::npos);

    transfer.answer("No update package is offered", 404);
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.lastText(),
              "The projection service offers no package for version 1303.");
    // Neither run fetched the package itself.
    EXPECT_EQ(transfer.urls.size(), 2U);
    EXPECT_TRUE(downloader.urls.empty());
    EXPECT_TRUE(installer.installed.empty());
}

TEST_F(UpdateRun, AnEarlierFileOfThePackagesNameIsKeptReplacedOnYesOrRefused) {
    std::filesystem::create_directories(saved().parent_path());
    // The same package saved by an earlier run is used as it is, without a question.
    std::ofstream(saved(), std::ios::binary) << kPackage;
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    EXPECT_TRUE(program.dialogs.questions.empty());

    // Another file of that name stays unless the user says Yes.
    std::ofstream(saved(), std::ios::binary) << "the user's own file";
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(readAll(saved()), "the user's own file");
    ASSERT_EQ(program.dialogs.questions.size(), 1U);
    EXPECT_EQ(program.dialogs.questions[0].text,
              saved().string() + " already exists. Do you want to replace it?");
    EXPECT_EQ(program.dialogs.lastText(),
              "The package could not be saved as " + saved().string() +
                  ", so nothing was installed. " + saved().string() +
                  " already exists and was left as it is; --force replaces it.");
    program.dialogs.answers = {true};
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    EXPECT_EQ(readAll(saved()), kPackage);

    // Whatever the offer names, it never takes the place of the league's database.
    std::filesystem::remove(saved());
    std::filesystem::create_symlink(program.state.connectionString, saved());
    const std::string database = readAll(program.state.connectionString);
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(readAll(program.state.connectionString), database);
    EXPECT_NE(program.dialogs.lastText().find("is one of the draft program's own files"),
              std::string::npos);
    EXPECT_EQ(installer.installed.size(), 2U);
}

TEST_F(UpdateRun, WithoutAnAnnouncedVersionOnlyANewerOneIsFetched) {
    transfer.answer("1302");
    EXPECT_EQ(run(""), PackageUpdateResult::NothingToUpdate);
    EXPECT_EQ(transfer.urls,
              std::vector<std::string>{"https://updates.example.org/draft/nba/version.asp"});

    transfer.answer("1303\r\n");
    offerSignedPackage();
    EXPECT_EQ(run(""), PackageUpdateResult::Installed);
}

TEST_F(UpdateRun, APackageWithTheRightChecksumButNoValidSignatureIsRefused) {
    const SigningKey otherPublisher;
    const std::string refusal =
        "The downloaded update is not signed by the publisher. Nothing was installed.";
    struct Case {
        std::string signature;
        long status;
        std::string logged;
    };
    for (const Case& wrong : {
             // The publisher's signature, but of other bytes: a package swapped on the service.
             Case{publisher().signatureOf("abc"), 200, "does not verify"},
             Case{"No signature is offered for the update package", 404, "offers no signature"},
             Case{otherPublisher.signatureOf(kPackage), 200, "does not verify"},
             Case{"", 200, "the signature is 0 bytes, not 64"},
         }) {
        transfer.answer(offer("1303", kPackageSha256));
        transfer.answer(wrong.signature, wrong.status);

        EXPECT_EQ(run(), PackageUpdateResult::Refused) << wrong.logged;

        expectNothingKept();
        EXPECT_EQ(program.dialogs.lastText(), refusal);
        ASSERT_FALSE(program.logLines().empty());
        EXPECT_NE(program.logLines().back().find(" error: update - " + refusal), std::string::npos);
        EXPECT_NE(program.logLines().back().find(wrong.logged), std::string::npos)
            << program.logLines().back();
    }
}

TEST_F(UpdateRun, ABuildWithoutThePublishersKeyDownloadsNothingAndPointsToApt) {
    publisherKey.clear();

    EXPECT_EQ(run(), PackageUpdateResult::Refused);

    EXPECT_TRUE(transfer.urls.empty());
    EXPECT_TRUE(downloader.urls.empty());
    EXPECT_NE(program.dialogs.lastText().find("built without the publisher's key"),
              std::string::npos);
    EXPECT_NE(program.dialogs.lastText().find("sudo apt update && sudo apt install"),
              std::string::npos);
}

TEST_F(UpdateRun, TheDownloadShowsItsProgressAndAShortOrLongPackageIsRefused) {
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    // 0 of 40, then 16 and 32 as they arrived, then done; the parts are a thousandth apart.
    EXPECT_EQ(program.dialogs.progressCalls, (std::vector<std::pair<long long, long long>>{
                                                 {0, 40}, {16, 40}, {32, 40}, {40, 40}}));

    // The checksum of what arrives, but an offer of another size.
    transfer.answer(
        offer("1303", kPackageSha256, "quorvane-basketball-draft_13.0.3_amd64.deb", "41"));
    std::filesystem::remove(saved());
    installer.installed.clear();
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_EQ(program.dialogs.lastText(),
              "The downloaded package quorvane-basketball-draft_13.0.3_amd64.deb is 40 bytes, not "
              "the 41 the projection service announced, so it was not installed.");

    transfer.answer(
        offer("1303", kPackageSha256, "quorvane-basketball-draft_13.0.3_amd64.deb", "39"));
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_EQ(program.dialogs.lastText(),
              "The projection service sent more than the 39 bytes it announced for "
              "quorvane-basketball-draft_13.0.3_amd64.deb, so nothing was installed.");
    expectNothingKept();
}

TEST_F(UpdateRun, ADownloadThatEndsEarlySaysHowInItsOwnWords) {
    struct Case {
        PackageDownload::Outcome outcome;
        std::string text;
    };
    const std::string file = "quorvane-basketball-draft_13.0.3_amd64.deb";
    for (const Case& unfinished : {
             Case{PackageDownload::Outcome::CutOff,
                  "The download of " + file +
                      " was cut off after 12 of 40 bytes, so nothing was installed. Please try "
                      "again."},
             Case{PackageDownload::Outcome::Stalled,
                  "The download of " + file +
                      " stalled and was stopped after 12 of 40 bytes, so nothing was installed. "
                      "Please try again later."},
             Case{PackageDownload::Outcome::TimedOut,
                  "The download of " + file +
                      " did not finish in time and was stopped after 12 of 40 bytes, so nothing "
                      "was installed. Please try again later."},
         }) {
        downloader.outcome = unfinished.outcome;
        transfer.answer(offer("1303", kPackageSha256));

        EXPECT_EQ(run(), PackageUpdateResult::Failed);

        EXPECT_EQ(program.dialogs.messages.back().title, "Software Update");
        EXPECT_EQ(program.dialogs.lastText(), unfinished.text);
        EXPECT_NE(program.logLines().back().find("(test download (https://updates.example.org"),
                  std::string::npos);
    }
    expectNothingKept();

    downloader.outcome = PackageDownload::Outcome::NotConnected;
    transfer.answer(offer("1303", kPackageSha256));
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.messages.back().title, "Internet Connection Error");
    EXPECT_EQ(program.dialogs.lastText(), notConnectedText(""));

    // A certificate refused for the package alone (the offer came through) names the cause.
    downloader.failure = TransferFailure::CertificateUntrusted;
    transfer.answer(offer("1303", kPackageSha256));
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.lastText(),
              "The certificate of https://updates.example.org is not signed by an authority this "
              "computer trusts (or has expired), so the connection was not trusted and nothing "
              "was sent.");
    expectNothingKept();
}

}  // namespace quorvane::test
