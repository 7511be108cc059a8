// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "service/ClientAuthorisations.h"
#include "service/PasswordHash.h"
#include "service/UserFile.h"
#include "support/TestProgram.h"

namespace quorvane::service {
namespace {

TEST(PasswordHashes, AcceptOnlyTheSamePasswordAndDifferBySalt) {
    const std::string first = hashPassword("pa ss&\xC3\xA9", 1000);
    const std::string second = hashPassword("pa ss&\xC3\xA9", 1000);
    EXPECT_NE(first, second);
    EXPECT_TRUE(verifyPassword("pa ss&\xC3\xA9", first));
    EXPECT_TRUE(verifyPassword("pa ss&\xC3\xA9", second));
    EXPECT_FALSE(verifyPassword("pa ss&e", first));
    EXPECT_FALSE(verifyPassword("", first));
}

TEST(PasswordHashes, RefuseStoredTextsThatAreNotHashes) {
    for (const char* stored : {"", "s3cret", "pbkdf2-sha256$1000$zz$00",
                               "pbkdf2-sha256$0$00$"
                               "0000000000000000000000000000000000000000000000000000000000000000",
                               "md5$1$00$00"}) {
        EXPECT_FALSE(verifyPassword("s3cret", stored)) << stored;
    }
}

TEST(UsersFile, KeepsNoPlainPasswordAndReplacesAUsersPassword) {
    test::TempFolder folder;
    const std::string path = folder.str() + "/users.txt";
    std::string reason;
    ASSERT_TRUE(addUser(path, "coach", "first-secret", reason, 1000)) << reason;
    ASSERT_TRUE(addUser(path, "j\xC3\xB6rg & co", "other", reason, 1000)) << reason;
    ASSERT_TRUE(addUser(path, "coach", "second-secret", reason, 1000)) << reason;

    std::ostringstream contents;
    contents << std::ifstream(path).rdbuf();
    EXPECT_EQ(contents.str().find("secret"), std::string::npos);

    const auto users = UserFile::load(path);
    ASSERT_TRUE(users);
    EXPECT_EQ(users->size(), 2u);
    EXPECT_TRUE(users->verify("coach", "second-secret"));
    EXPECT_FALSE(users->verify("coach", "first-secret"));
    EXPECT_TRUE(users->verify("j\xC3\xB6rg & co", "other"));
    EXPECT_FALSE(users->verify("nobody", "other"));
}

TEST(UsersFile, RefusesNamesThatWouldBreakTheFileAndEmptyPasswords) {
    test::TempFolder folder;
    const std::string path = folder.str() + "/users.txt";
    std::string reason;
    EXPECT_FALSE(addUser(path, "a\tb", "x", reason));
    EXPECT_FALSE(addUser(path, "a\nb", "x", reason));
    EXPECT_FALSE(addUser(path, "", "x", reason));
    EXPECT_FALSE(addUser(path, "coach", "", reason));
    EXPECT_FALSE(UserFile::load(path).has_value());  // nothing was written
}

TEST(ClientGrants, LastForTheirLifetimeOnlyAndOnlyForTheirClient) {
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    ClientAuthorisations grants(std::chrono::seconds(600), [&now] { return now; });
    grants.authorise("127.0.0.1");
    EXPECT_TRUE(grants.isAuthorised("127.0.0.1"));
    EXPECT_FALSE(grants.isAuthorised("127.0.0.2"));
    now += std::chrono::seconds(599);
    EXPECT_TRUE(grants.isAuthorised("127.0.0.1"));
    now += std::chrono::seconds(1);
    EXPECT_FALSE(grants.isAuthorised("127.0.0.1"));

    grants.authorise("127.0.0.1");
    grants.revoke("127.0.0.1");
    EXPECT_FALSE(grants.isAuthorised("127.0.0.1"));
}

}  // namespace
}  // namespace quorvane::service
