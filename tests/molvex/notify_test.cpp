// Status handlers: registration, delivery from another thread, and none after a close.
#include "tests/molvex/standin.h"

#include "molvex/molvex_control.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace molvex_test;
using testing_support::TakeTrace;

namespace {

struct Seen {
    std::atomic<int> calls{0};
    std::atomic<uint32_t> code{0};
    std::thread::id thread;
};

void NIOC_CALL Record(uint32_t code, void* context) {
    Seen* seen = static_cast<Seen*>(context);
    seen->code = code;
    seen->thread = std::this_thread::get_id();
    ++seen->calls;
}

class MolvexNotify : public StandIn {};

TEST_F(MolvexNotify, HandlerRunsOnAnotherThreadBeforeNotifyReturns) {
    NIOC_HANDLE h = Open(Machine("", ""));
    Seen seen;
    ASSERT_TRUE(NIOC_MonitorStatus(h, Record, &seen));
    EXPECT_EQ(MolvexSim_Notify("{a1}", kStatusAdapterBusy), 1u);  // names fold like keys
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.code, kStatusAdapterBusy);
    EXPECT_NE(seen.thread, std::this_thread::get_id());
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"monitor {A1} -> on",
                                                     "notify {a1} fd000004 -> delivered=1"}));
}

TEST_F(MolvexNotify, NoCallWithoutALiveRegistration) {
    Seen seen;
    auto closeIt = [](NIOC_HANDLE h) { NIOC_CloseInstance(h); };
    auto unregister = [](NIOC_HANDLE h) { NIOC_MonitorStatus(h, nullptr, nullptr); };
    auto reset = [](NIOC_HANDLE) { testing_support::ResetStandIn(); };
    void (*ends[])(NIOC_HANDLE) = {closeIt, unregister, reset};
    NIOC_HANDLE h = Open(Machine("", ""));
    EXPECT_EQ(MolvexSim_Notify(kAdapter, kStatusAdapterGone), 0u);  // opened, never registered
    for (auto end : ends) {
        h = NIOC_OpenInstance(kAdapter);
        ASSERT_TRUE(NIOC_MonitorStatus(h, Record, &seen));
        end(h);
        EXPECT_EQ(MolvexSim_Notify(kAdapter, kStatusAdapterGone), 0u);
    }
    EXPECT_EQ(MolvexSim_Notify("{B2}", kStatusAdapterGone), 0u);
    EXPECT_EQ(MolvexSim_Notify(nullptr, kStatusAdapterGone), 0u);
    EXPECT_EQ(seen.calls, 0);
}

TEST_F(MolvexNotify, EveryHandleOfTheInstanceIsCalled) {
    NIOC_HANDLE first = Open(Machine("", ""));
    NIOC_HANDLE second = NIOC_OpenInstance(kAdapter);
    Seen a, b, replaced;
    ASSERT_TRUE(NIOC_MonitorStatus(first, Record, &replaced));
    ASSERT_TRUE(NIOC_MonitorStatus(first, Record, &a));
    ASSERT_TRUE(NIOC_MonitorStatus(second, Record, &b));
    EXPECT_EQ(MolvexSim_Notify(kAdapter, kStatusAdapterBack), 2u);
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(replaced.calls, 0);
}

// A handler that is still running when its handle is closed: the close waits for it.
struct Slow {
    std::atomic<bool> entered{false};
    std::atomic<bool> finished{false};
};

void NIOC_CALL SlowHandler(uint32_t, void* context) {
    Slow* slow = static_cast<Slow*>(context);
    slow->entered = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    slow->finished = true;
}

TEST_F(MolvexNotify, CloseWaitsForAHandlerInProgress) {
    NIOC_HANDLE h = Open(Machine("", ""));
    Slow slow;
    ASSERT_TRUE(NIOC_MonitorStatus(h, SlowHandler, &slow));
    std::thread notifier([] { MolvexSim_Notify(kAdapter, kStatusAdapterBusy); });
    while (!slow.entered) std::this_thread::yield();
    EXPECT_TRUE(NIOC_CloseInstance(h));
    EXPECT_TRUE(slow.finished);
    notifier.join();
}

NIOC_HANDLE g_selfClosing = 0;

void NIOC_CALL CloseFromHandler(uint32_t, void* context) {
    NIOC_CloseInstance(g_selfClosing);
    ++static_cast<Seen*>(context)->calls;
}

TEST_F(MolvexNotify, HandlerMayCloseHandlesItself) {
    NIOC_HANDLE first = Open(Machine("", ""));
    NIOC_HANDLE second = NIOC_OpenInstance(kAdapter);
    Seen seen;
    g_selfClosing = second;
    ASSERT_TRUE(NIOC_MonitorStatus(first, CloseFromHandler, &seen));
    ASSERT_TRUE(NIOC_MonitorStatus(second, CloseFromHandler, &seen));
    // The first handler closes the second handle, whose handler then must not run.
    EXPECT_EQ(MolvexSim_Notify(kAdapter, kStatusAdapterGone), 1u);
    EXPECT_EQ(seen.calls, 1);
}

}  // namespace
