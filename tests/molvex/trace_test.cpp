// Reading the trace through the control API: sizes, partial reads, clearing.
#include "tests/molvex/standin.h"

#include "molvex/molvex_control.h"

#include <cstring>

using namespace molvex_test;

namespace {

class MolvexTrace : public StandIn {};

TEST_F(MolvexTrace, ReadFitsOrLeavesEverythingAsItWas) {
    Open(Machine("", ""));
    NIOC_OpenInstance("{B2}");
    const char expected[] = "open {B2} -> refused\n";
    uint32_t needed = 0;
    EXPECT_EQ(MolvexSim_ReadTrace(nullptr, 0, &needed, 1), 0);
    EXPECT_EQ(needed, sizeof expected);

    char small[sizeof expected - 1];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(MolvexSim_ReadTrace(small, sizeof small, &needed, 1), 0);
    EXPECT_EQ(small[0], 'x');

    char exact[sizeof expected];
    EXPECT_EQ(MolvexSim_ReadTrace(exact, sizeof exact, nullptr, 0), 1);
    EXPECT_STREQ(exact, expected);
    EXPECT_EQ(MolvexSim_ReadTrace(exact, sizeof exact, &needed, 1), 1);
    EXPECT_EQ(MolvexSim_ReadTrace(exact, sizeof exact, &needed, 0), 1);
    EXPECT_STREQ(exact, "");
    EXPECT_EQ(needed, 1u);
}

TEST_F(MolvexTrace, ClearDropsEveryLine) {
    Open(Machine("", ""));
    NIOC_OpenInstance(kAdapter);
    MolvexSim_ClearTrace();
    EXPECT_TRUE(testing_support::PeekTrace().empty());
}

}  // namespace
