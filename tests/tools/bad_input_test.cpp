// Bad input: one line on standard error naming what was wrong, exit code 2, nothing on standard
// output, and no request reaches a driver.
#include "tests/tools/tool.h"

#include "tools/apstool/commands.h"

#include <cstdio>
#include <fstream>

namespace {

using namespace tool_test;

struct BadCase {
    std::vector<std::string> args;
    std::string input;
    std::string named;  // part of the error line
};

std::string Missing() { return testing::TempDir() + "apstool_no_such_dir/none.reg"; }

TEST_F(DefaultMachineTest, BadInputIsOneErrorLineAndWritesNothing) {
    const std::string malformed = testing::TempDir() + "apstool_malformed.reg";
    std::ofstream(malformed) << "this is not a machine file\n";
    const BadCase cases[] = {
        {{}, "", "no command given"},
        {{"frobnicate"}, "", "unknown command 'frobnicate'"},
        {{"--verbose", "list"}, "", "unknown option --verbose"},
        {{"--machine"}, "", "--machine needs a FILE"},
        {{"list", "--colour"}, "", "list: unknown option --colour"},
        {{"list", "--tsv=yes"}, "", "--tsv takes no value"},
        {{"list", "--mfg", ""}, "", "--mfg needs a text that is not empty"},
        {{"get", "1"}, "", "get: missing arguments"},
        {{"get", "1", "dot11Bogus"}, "", "unknown leaf 'dot11Bogus'"},
        {{"get", "1", "dot11RTSThreshold", "four"}, "", "'four' is not a length"},
        {{"get", "1", "dot11RTSThreshold", "99999999"}, "", "'99999999' is not a length"},
        {{"get", "1", "surveyScan"}, "", "surveyScan is write-only"},
        {{"get", "9", "dot11RTSThreshold"}, "", "unknown adapter '9'"},
        {{"show", "{00000000-0000-0000-0000-000000000000}"}, "",
         "unknown adapter '{00000000-0000-0000-0000-000000000000}'"},
        {{"set", "1", "dot11RTSThreshold"}, "", "'dot11RTSThreshold' is not LEAF=VALUE"},
        {{"set", "1", "dot11RTSThreshold=abc"}, "", "'abc' is not a 32-bit integer"},
        {{"set", "1", "dot11RTSThreshold=1000", "currentBssid=00:24:01"}, "",
         "'00:24:01' is not a MAC address"},
        {{"set", "1", "dot11MaxReceiveLifetime=-1"}, "", "'-1' is not an unsigned"},
        {{"set", "1", "surveyScan=zero"}, "", "'zero' is not hex:BYTES"},
        {{"set", "1", "dot11DesiredSSID=hex:4c6"}, "", "hex: needs pairs of hex digits"},
        {{"set", "1", "dot11MACAddress=00:11:22:33:44:55"}, "", "dot11MACAddress is read-only"},
        {{"scan", "--wait", "soon"}, "", "--wait 'soon' is not a number of milliseconds"},
        {{"batch", "1"}, "get dot11RTSThreshold\nfrob x\n", "batch line 2: unknown request 'frob'"},
        {{"batch", "1"}, "set dot11RTSThreshold 1000\nset dot11RTSThreshold zz\n",
         "batch line 2: value of dot11RTSThreshold"},
        {{"batch", "1"}, "get dot11RTSThreshold 4 5\n", "batch line 1: '5' is not a length"},
        {{"batch", "1"}, "apply\n", "batch line 1: apply: missing arguments"},
        {{"batch", "1"}, "sleep 600000\n", "sleep: '600000' is not a number of milliseconds"},
        {{"batch", "1"}, "set dot11DesiredSSID \"open\n", "batch line 1: a quote is not closed"},
        {{"batch", "1", Missing()}, "", "batch: cannot read " + Missing()},
        {{"--machine", Missing(), "--import", "list"}, "", "cannot read machine file " + Missing()},
        {{"--machine", malformed, "--import", "list"}, "",
         "machine file " + malformed + ": line 1: not a REGEDIT4 file"},
#ifdef _WIN32
        {{"--machine", malformed, "list"}, "", "add --import to allow it"},
#endif
    };
    for (const BadCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.args) shown += a + " ";
        Outcome o = RunTool(c.args, c.input);
        EXPECT_EQ(2, o.code) << shown;
        EXPECT_EQ("", o.out) << shown;
        EXPECT_EQ(0u, o.err.find("apstool: ")) << shown << o.err;
        EXPECT_NE(std::string::npos, o.err.find(c.named)) << shown << o.err;
        EXPECT_EQ(1, std::count(o.err.begin(), o.err.end(), '\n')) << shown << o.err;
        EXPECT_EQ(std::vector<std::string>{}, testing_support::TakeTrace()) << shown;
    }
    // The threshold the refused lines named is still the driver's.
    EXPECT_EQ("2347\n", RunTool({"get", "1", "dot11RTSThreshold"}).out);
    // Nor is a registry file written for refused input.
    const std::string saved = testing::TempDir() + "apstool_refused.reg";
    std::remove(saved.c_str());
    EXPECT_EQ(2, RunTool({"--save-registry", saved, "get", "9", "dot11RTSThreshold"}).code);
    EXPECT_FALSE(std::ifstream(saved).good());
}

TEST(ToolHelp, EveryCommandHasItsHelpFromTheTable) {
    Outcome all = RunTool({"--help"});
    EXPECT_EQ(0, all.code);
    for (const apstool::Command& c : apstool::Commands()) {
        const std::string name(c.name);
        EXPECT_NE(std::string::npos, all.out.find("\n  " + name + " ")) << name;
        Outcome one = RunTool({name, "--help"});
        EXPECT_EQ(0, one.code) << name;
        EXPECT_EQ(0u, one.out.find("usage: apstool " + name + " " + std::string(c.usage)))
            << one.out;
        for (const apstool::OptionSpec& option : c.options)
            EXPECT_NE(std::string::npos, one.out.find(std::string(option.name))) << name;
        EXPECT_EQ(one.out, RunTool({"help", name}).out) << name;
    }
}

}  // namespace
