// apsGetReady: opens an instance, waits for bound (10 ms) and ready (500 ms), reports the
// wireless answer only when ready.
#include "include/halvora.h"
#include "tests/adapter/sim.h"

using namespace adapter_test;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

namespace {

const std::string kWireless =
    Hex("00010101", "01010100" "0101010d") + Dword("0d01020a", 2347);
const std::string kWired = Hex("00010101", "01010100" "14010100");

class GetReady : public NtMachineTest {};

TEST_F(GetReady, BoundAdapterAnswersAtOnceWithItsWirelessFlag) {
    struct Case {
        const char* name;
        std::string oids;
        int32_t wireless;
    } cases[] = {{"wireless", kWireless, 1}, {"wired", kWired, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LOAD_NT(c.oids);
        int32_t wireless = -5;
        const auto start = Clock::now();
        EXPECT_EQ(apsGetReady(kName, &wireless), 1);
        EXPECT_LT(MillisecondsSince(start), 500.0);  // neither wait ran out
        EXPECT_EQ(wireless, c.wireless);
        const Lines trace = Trace();
        ASSERT_FALSE(trace.empty());
        EXPECT_EQ(trace.back(), "close");
        EXPECT_EQ(apsGetReady(kName, nullptr), 1);
    }
}

TEST_F(GetReady, UnknownNameAnswersZeroAfterTheBindWait) {
    LOAD_NT(kWireless);
    int32_t wireless = -5;
    const auto start = Clock::now();
    EXPECT_EQ(apsGetReady("{00000000-0000-0000-0000-000000000000}", &wireless), 0);
    const double elapsed = MillisecondsSince(start);
    EXPECT_GE(elapsed, 9.0);
    EXPECT_LT(elapsed, 500.0);  // the ready wait is not reached
    EXPECT_EQ(wireless, -5);
    for (const std::string& line : Trace()) EXPECT_NE(line.rfind("open", 0), 0u) << line;
}

TEST_F(GetReady, AdapterThatStaysUnboundAnswersZero) {
    LOAD_NT(kWireless, "\"Bound\"=dword:0\n\"BoundAfterRebind\"=dword:0");
    int32_t wireless = -5;
    const auto start = Clock::now();
    EXPECT_EQ(apsGetReady(kName, &wireless), 0);
    const double elapsed = MillisecondsSince(start);
    EXPECT_GE(elapsed, 109.0);  // rebind pause and bind wait
    EXPECT_LT(elapsed, 2000.0);
    EXPECT_EQ(wireless, -5);
    Lines trace = Trace();
    while (!trace.empty() && trace.front().rfind("running", 0) != 0) trace.erase(trace.begin());
    EXPECT_EQ(trace, (Lines{"running -> 1", "open -> ok", "bindstate -> 0", "rebind",
                            "bindstate -> 0", "close"}));
}

TEST_F(GetReady, NullNameAnswersZero) {
    int32_t wireless = -5;
    EXPECT_EQ(apsGetReady(nullptr, &wireless), 0);
    EXPECT_EQ(wireless, -5);
}

}  // namespace
