// The Molvex stand-in's trace and reset, for tests of every folder.
#pragma once

#include "tests/support/fixtures.h"

#include <string>
#include <vector>

namespace testing_support {

// Every trace line so far (without its '\n'); TakeTrace also clears the trace.
std::vector<std::string> TakeTrace();
std::vector<std::string> PeekTrace();
// Forgets the stand-in's handles, handlers, sequences and trace.
void ResetStandIn();

// A machine test whose stand-in starts and ends fresh.
class StandInTest : public MachineTest {
protected:
    void SetUp() override { ResetStandIn(); }
    void TearDown() override {
        ResetStandIn();
        MachineTest::TearDown();
    }
};

}  // namespace testing_support
