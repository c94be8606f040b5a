// batch: one answer line per request in the fixed format, the trace after each answer, and waits.
#include "tests/tools/tool.h"

#include <chrono>
#include <fstream>

namespace {

using namespace tool_test;

TEST_F(DefaultMachineTest, BatchAnswersEveryLineWithStatusCountsAndValue) {
    const std::pair<const char*, const char*> script[] = {
        {"get dot11RTSThreshold", "APS_OK 0 needed=0 written=4 value=2347"},
        {"get dot11RTSThreshold 8", "APS_BAD_ARGUMENT 2 needed=4 written=0"},
        {"set dot11RTSThreshold 3001", "APS_BAD_ARGUMENT 2 needed=4294967295 written=0"},
        {"set dot11RTSThreshold 1000", "APS_OK 0 needed=0 written=0"},
        {"get dot11RTSThreshold", "APS_OK 0 needed=0 written=4 value=1000"},
        {"apply dot11RTSThreshold", "APS_OK 0 needed=0 written=0"},
        {"get dot11EDThreshold", "APS_UNAVAILABLE -1 needed=0 written=0"},
        {"get 0x44104000", "APS_INVALID 3 needed=0 written=0"},
        {"get 80000080", "APS_UNAVAILABLE -1 needed=0 written=0"},
        {"get dot11PrivacyInvoked", "APS_OK 0 needed=0 written=4 value=0"},
        {"get totalBytesReceived", "APS_OK 0 needed=0 written=4 value=734766182"},
        {"get currentBssid 8", "APS_OK 0 needed=0 written=6 value=00:24:01:a3:7c:10"},
        {"get dot11DesiredSSID", "APS_OK 0 needed=0 written=13 value=hex:4c616b65736964652d574c414e"},
        {"# a comment, then an empty line", nullptr},
        {"", nullptr},
        {"set dot11DesiredSSID null", "APS_OK 0 needed=0 written=0"},
        {"get dot11DesiredSSID", "APS_OK 0 needed=0 written=0 value=hex:"},
        {"set dot11DesiredSSID \"Lake side\"  # quoted", "APS_OK 0 needed=0 written=0"},
        {"get dot11DesiredSSID", "APS_OK 0 needed=0 written=9 value=hex:4c616b652073696465"},
        {"refresh dot11DesiredSSID", "APS_OK 0 needed=0 written=0"},
        {"get dot11DesiredSSID 4", "APS_BAD_ARGUMENT 2 needed=13 written=0"},
        {"notify FD000004", "APS_OK 0 needed=0 written=0"},
        {"get linkSpeed", "APS_NOT_READY 1 needed=0 written=0"},
        {"notify 0xFD000005", "APS_OK 0 needed=0 written=0"},
        {"get linkSpeed", "APS_OK 0 needed=0 written=4 value=540000"},
        {"sleep 1", "APS_OK 0 needed=0 written=0"},
    };
    std::string input;
    std::vector<std::string> expected;
    for (const auto& [line, answer] : script) {
        input += std::string(line) + "\n";
        if (answer) expected.push_back(answer);
    }
    Outcome o = RunTool({"batch", kIntel}, input);
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_EQ("", o.err);
    EXPECT_EQ(expected, o.Lines());
}

TEST_F(DefaultMachineTest, BatchPrintsTheTraceOfOpeningFirstAndEachRequestsAfterItsAnswer) {
    Outcome o = RunTool({"--trace", "batch", "1"}, "get totalBytesReceived\nget dot11RTSThreshold\n");
    ASSERT_EQ(0, o.code) << o.err;
    std::vector<std::string> lines = o.Lines();
    auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const long open = at(std::string("open ") + kIntel + " -> ok");
    const long first = at("APS_OK 0 needed=0 written=4 value=734766182");
    const long second = at("APS_OK 0 needed=0 written=4 value=2347");
    ASSERT_LT(second, static_cast<long>(lines.size())) << o.out;
    EXPECT_LT(open, first);
    EXPECT_EQ(std::string("rxbytes ") + kIntel + " -> 734766182", lines.at(first + 1));
    // The threshold is cached: nothing reaches the driver after its answer, until the close.
    EXPECT_EQ(first + 2, second);
    EXPECT_EQ(std::string("close ") + kIntel, lines.back());
}

TEST_F(DefaultMachineTest, BatchReadsItsRequestsFromAFile) {
    const std::string path = testing::TempDir() + "apstool_batch.txt";
    std::ofstream(path) << "get dot11MACAddress\r\nget dot11FragmentationThreshold\r\n";
    Outcome o = RunTool({"batch", "1", path});
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_EQ((std::vector<std::string>{"APS_OK 0 needed=0 written=6 value=00:21:5c:4e:8a:31",
                                        "APS_OK 0 needed=0 written=4 value=2346"}),
              o.Lines());
}

TEST_F(DefaultMachineTest, BatchSleepWaitsAtLeastItsTime) {
    auto start = std::chrono::steady_clock::now();
    Outcome o = RunTool({"batch", "1"}, "sleep 60\n");
    auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_GE(elapsed, std::chrono::milliseconds(60));
    EXPECT_LT(elapsed, std::chrono::seconds(20));
}

}  // namespace
