// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "store/WriterTurns.h"

namespace quorvane {
namespace {

using namespace std::chrono_literals;

void waitUntilWaiting(const WriterTurns& turns, std::size_t count) {
    while (turns.waiting() != count) {
        std::this_thread::sleep_for(1ms);
    }
}

// The window asks while the bots hold the turn: when the bots give it and ask again at once,
// the window goes first, whoever is quicker to ask.
TEST(WriterTurns, AWriterInLineGoesBeforeTheHolderWhoAsksAgain) {
    WriterTurns turns;
    std::mutex orderGuard;
    std::vector<std::string> order;
    const auto wrote = [&](const std::string& who) {
        std::lock_guard lock(orderGuard);
        order.push_back(who);
    };
    ASSERT_TRUE(turns.take(5s));
    std::thread window([&] {
        ASSERT_TRUE(turns.take(5s));
        wrote("window");
        turns.give();
    });
    waitUntilWaiting(turns, 1);
    turns.give();
    ASSERT_TRUE(turns.take(5s));
    wrote("bots");
    turns.give();
    window.join();
    EXPECT_EQ(order, (std::vector<std::string>{"window", "bots"}));
}

// A writer inside its transaction that starts another one (a second connection on the same
// thread) has the turn already; it ends with the last give.
TEST(WriterTurns, TheHolderHasItAgainUntilItsLastGive) {
    WriterTurns turns;
    ASSERT_TRUE(turns.take(5s));
    ASSERT_TRUE(turns.take(0ms));
    turns.give();
    bool taken = true;
    std::thread other([&] { taken = turns.take(20ms); });
    other.join();
    EXPECT_FALSE(taken);
    turns.give();
    std::thread after([&] { taken = turns.take(0ms); });
    after.join();
    EXPECT_TRUE(taken);
}

// A writer whose turn does not come within its wait leaves the line (it then meets the lock in
// SQLite), and the one behind it is not held up by the place it left.
TEST(WriterTurns, AWriterThatWaitedTooLongLeavesTheLine) {
    WriterTurns turns;
    ASSERT_TRUE(turns.take(5s));
    bool impatient = true;
    std::thread first([&] { impatient = turns.take(30ms); });
    bool patient = false;
    waitUntilWaiting(turns, 1);
    std::thread second([&] {
        patient = turns.take(5s);
        turns.give();
    });
    first.join();
    EXPECT_FALSE(impatient);
    waitUntilWaiting(turns, 1);
    turns.give();
    second.join();
    EXPECT_TRUE(patient);
    EXPECT_EQ(turns.waiting(), 0U);
}

// Two connections that name one file differently share its line.
TEST(WriterTurns, OneLinePerFileHoweverItIsNamed) {
    EXPECT_EQ(&writerTurnsOf("/tmp/quorvane-turns/../quorvane-turns-file.db"),
              &writerTurnsOf("/tmp/quorvane-turns-file.db"));
    EXPECT_NE(&writerTurnsOf("/tmp/quorvane-turns-file.db"),
              &writerTurnsOf("/tmp/quorvane-turns-other.db"));
}

}  // namespace
}  // namespace quorvane
