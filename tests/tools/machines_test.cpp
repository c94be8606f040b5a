// list --tsv of every example machine, against the output recorded from the host tool: under Wine
// each machine runs in its own Windows mode and must print what the host prints.
#include "tests/discovery/discovery_machine.h"
#include "tests/tools/tool.h"

namespace {

using namespace tool_test;

// Loaded as the discovery tests load them: Wine's volatile NetworkCards takes NT 4 cards too.
class MachineList : public discovery_test::DiscoveryMachine,
                    public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { testing_support::ResetStandIn(); }
};

TEST_P(MachineList, TsvIsWhatTheHostPrints) {
    const std::string name = GetParam();
    const std::string text = ReadSource("machines/" + name + ".reg");
#ifdef _WIN32
    if (MachineFamily(text) != RunningFamily())
        GTEST_SKIP() << name << " is a " << MachineFamily(text) << " machine";
#endif
    ASSERT_NO_FATAL_FAILURE(Load(text));
    Outcome o = RunTool({"list", "--tsv"});
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_EQ(ReadSource("tests/tools/expected/" + name + ".tsv"), o.out);
}

INSTANTIATE_TEST_SUITE_P(Machines, MachineList,
                         testing::Values("default", "win98", "nt40", "winxp", "win7"));

#ifndef _WIN32
// The program itself, as the host runs it: the embedded machine unless --machine names another.
TEST(ToolProgram, RunsOnTheEmbeddedMachineOrTheOneNamed) {
    Outcome o = RunTool({"list", "--tsv"}, "", apstool::Registry::kProgram);
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_EQ(ReadSource("tests/tools/expected/default.tsv"), o.out);
    o = RunTool({"--machine", testing_support::SourcePath("machines/nt40.reg"), "list", "--tsv"},
                "", apstool::Registry::kProgram);
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_EQ(ReadSource("tests/tools/expected/nt40.tsv"), o.out);
}
#endif

}  // namespace
