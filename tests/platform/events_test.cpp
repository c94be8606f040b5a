// Conformance of events and waits: manual reset, waits that time out, a set from another thread.
#include "lib/platform/win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long MillisecondsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(EventSeam, ManualResetEventStaysSignalledUntilReset) {
    HANDLE e = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, e);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e, 0));
    ASSERT_TRUE(SetEvent(e));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e, 0));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e, 0));
    ASSERT_TRUE(ResetEvent(e));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e, 0));
    EXPECT_TRUE(CloseHandle(e));
}

TEST(EventSeam, WaitRunsOutItsTime) {
    HANDLE e = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    auto start = Clock::now();
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e, 50));
    long waited = MillisecondsSince(start);
    EXPECT_GE(waited, 45);
    EXPECT_LT(waited, 2000);
    CloseHandle(e);
}

TEST(EventSeam, SetFromAnotherThreadEndsTheWait) {
    HANDLE e = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    auto start = Clock::now();
    std::thread setter([e] {
        Sleep(30);
        SetEvent(e);
    });
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e, 5000));
    long waited = MillisecondsSince(start);
    EXPECT_GE(waited, 25);
    EXPECT_LT(waited, 4000);
    setter.join();
    CloseHandle(e);
}

TEST(EventSeam, SleepWaitsAtLeastItsTime) {
    auto start = Clock::now();
    Sleep(20);
    long slept = MillisecondsSince(start);
    EXPECT_GE(slept, 15);
    EXPECT_LT(slept, 2000);
}

}  // namespace
