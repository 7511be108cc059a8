// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "night/CodeThrottle.h"
#include "night/JoinCodes.h"

namespace quorvane::test {

TEST(JoinCodes, EveryHolderGetsADifferentCodeOfFiftyBitsThatReadsUnambiguously) {
    const auto codes = newJoinCodes({4, 7, 9});
    ASSERT_TRUE(codes);
    ASSERT_EQ(codes->size(), 4U);
    EXPECT_EQ(codes->front().teamid, 0);  // the commissioner's
    std::set<std::string> seen;
    for (const NightCodeRow& row : *codes) {
        EXPECT_EQ(row.code.size(), 10U);
        EXPECT_EQ(row.code.find_first_of("lo01ABC"), std::string::npos) << row.code;
        seen.insert(row.code);
    }
    EXPECT_EQ(seen.size(), 4U);
    EXPECT_EQ(holderOf(*codes, (*codes)[2].code), 7);
    EXPECT_FALSE(holderOf(*codes, (*codes)[2].code.substr(0, 9)));
    EXPECT_FALSE(holderOf(*codes, ""));
}

// Five wrong codes are free; then the address waits 1 s after the sixth, 2 s after the
// seventh, 4 s after the eighth, and never more than a minute.
TEST(CodeThrottle, WrongCodesMakeTheAddressWaitLongerEachTime) {
    CodeThrottle throttle;
    for (int attempt = 0; attempt < 5; ++attempt) {
        EXPECT_EQ(throttle.waitOf("10.0.0.7", 1000 * attempt), 0);
        throttle.failed("10.0.0.7", 1000 * attempt);
    }
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 4000), 1000);
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 4600), 400);
    EXPECT_EQ(throttle.waitOf("10.0.0.8", 4600), 0);  // another phone is not held up
    throttle.failed("10.0.0.7", 5000);
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 5000), 2000);
    throttle.failed("10.0.0.7", 7000);
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 7000), 4000);
    for (int attempt = 0; attempt < 20; ++attempt) {
        throttle.failed("10.0.0.7", 11000);
    }
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 11000), 60000);
    // A right code forgets them.
    throttle.succeeded("10.0.0.7");
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 11001), 0);
}

// A minute without a wrong code starts the count again.
TEST(CodeThrottle, AQuietMinuteStartsTheCountAgain) {
    CodeThrottle throttle;
    for (int attempt = 0; attempt < 5; ++attempt) {
        throttle.failed("10.0.0.7", 0);
    }
    throttle.failed("10.0.0.7", 70000);
    EXPECT_EQ(throttle.waitOf("10.0.0.7", 70000), 0);
}

}  // namespace quorvane::test
