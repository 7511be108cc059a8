// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "service/SignInThrottle.h"

namespace quorvane::service {
namespace {

using namespace std::chrono_literals;
using Outcome = SignInThrottle::Outcome;

// A throttle with the default rules (5 free failures in 10 minutes, then 30 s, doubling) on a
// clock the test moves.
struct ThrottleOnAClock {
    std::chrono::steady_clock::time_point now{};
    SignInThrottle throttle{ThrottleRules{}, [this] { return now; }};

    void fail(const std::string& account, const std::string& address, int times = 1) {
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(throttle.admit(account, address).admitted) << "failure " << i + 1;
            throttle.settle(account, address, Outcome::Failed);
        }
    }
    long long waitFor(const std::string& account, const std::string& address) {
        const auto admission = throttle.admit(account, address);
        if (admission.admitted) {
            throttle.settle(account, address, Outcome::Unchecked);
        }
        return admission.retryAfter.count();
    }
};

TEST(SignInThrottle, AllowsFiveFailuresThenWaitsThatDouble) {
    ThrottleOnAClock clock;
    clock.fail("coach", "10.0.0.1", 5);
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 30);
    clock.now += 10500ms;  // 30 - 10.5 = 19.5 s left, told as 20
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 20);
    clock.now += 19500ms;
    clock.fail("coach", "10.0.0.1");
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 60);
    clock.now += 60s;
    clock.fail("coach", "10.0.0.1");
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 120);
}

TEST(SignInThrottle, CountsGuessesStillBeingCheckedAgainstTheFreeOnes) {
    ThrottleOnAClock clock;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(clock.throttle.admit("coach", "10.0.0.1").admitted);
    }
    const auto sixth = clock.throttle.admit("coach", "10.0.0.1");
    EXPECT_FALSE(sixth.admitted);
    EXPECT_EQ(sixth.retryAfter.count(), 1);
    // Once they are known to have failed, the wait is the ordinary one.
    for (int i = 0; i < 5; ++i) {
        clock.throttle.settle("coach", "10.0.0.1", Outcome::Failed);
    }
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 30);
}

TEST(SignInThrottle, ForgetsFailuresOutsideTheWindowAndAfterASuccess) {
    ThrottleOnAClock clock;
    clock.fail("coach", "10.0.0.1", 4);
    clock.now += 10min;
    clock.fail("coach", "10.0.0.1", 4);
    EXPECT_EQ(clock.waitFor("coach", "10.0.0.1"), 0);

    clock.fail("coach", "10.0.0.1");
    ASSERT_EQ(clock.waitFor("coach", "10.0.0.1"), 30);
    clock.now += 30s;
    ASSERT_TRUE(clock.throttle.admit("coach", "10.0.0.1").admitted);
    clock.throttle.settle("coach", "10.0.0.1", Outcome::Succeeded);
    clock.fail("coach", "10.0.0.1", 5);

    // A success on one's own account does not wipe the guesses at another.
    clock.fail("owner", "10.0.0.2", 4);
    ASSERT_TRUE(clock.throttle.admit("mine", "10.0.0.2").admitted);
    clock.throttle.settle("mine", "10.0.0.2", Outcome::Succeeded);
    clock.fail("owner", "10.0.0.2");
    EXPECT_EQ(clock.waitFor("owner", "10.0.0.2"), 30);
}

TEST(SignInThrottle, GuessesFromElsewhereNeverLockTheOwnerOutOfHisAddress) {
    ThrottleOnAClock clock;
    ASSERT_TRUE(clock.throttle.admit("coach", "home").admitted);
    clock.throttle.settle("coach", "home", Outcome::Succeeded);

    clock.fail("coach", "attacker", 5);
    EXPECT_EQ(clock.waitFor("coach", "attacker"), 30);
    // The account waits at any new address, since that may be the same attacker...
    EXPECT_EQ(clock.waitFor("coach", "cafe"), 30);
    // ...but not at one its owner has signed in from.
    EXPECT_EQ(clock.waitFor("coach", "home"), 0);

    // Guesses from the owner's own address lock it for the wait, and no longer.
    clock.fail("coach", "home", 5);
    EXPECT_EQ(clock.waitFor("coach", "home"), 30);
    clock.now += 30s;
    EXPECT_EQ(clock.waitFor("coach", "home"), 0);
}

}  // namespace
}  // namespace quorvane::service
