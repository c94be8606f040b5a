// The site survey: the BSSID list walked record by record by its own Length fields, never past
// the bytes the driver wrote, and the table scan prints from it.
#include "tests/tools/tool.h"

#include "tools/apstool/bssid_list.h"

#include <chrono>
#include <cstring>

namespace {

using namespace tool_test;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// One NDIS_WLAN_BSSID-shaped record of `length` bytes (at least the fixed fields are filled when
// they fit); `declared` is what its Length field says.
std::vector<uint8_t> Record(const std::string& ssid, uint8_t last, uint32_t khz, size_t length,
                            uint32_t declared) {
    std::vector<uint8_t> r(length, 0);
    if (length >= 4) Put32(r, 0, declared);
    if (length < apstool::kMinBssRecord) return r;
    const uint8_t mac[6] = {0x00, 0x24, 0x01, 0xa3, 0x7c, last};
    std::memcpy(&r[4], mac, 6);
    Put32(r, 12, static_cast<uint32_t>(ssid.size()));
    std::memcpy(&r[16], ssid.data(), std::min<size_t>(ssid.size(), 32));
    Put32(r, 48, 1);
    Put32(r, 52, static_cast<uint32_t>(-60));
    Put32(r, 72, khz);
    Put32(r, 92, 1);
    return r;
}

std::vector<uint8_t> List(uint32_t count, const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> list(4, 0);
    Put32(list, 0, count);
    for (const auto& r : records) list.insert(list.end(), r.begin(), r.end());
    return list;
}

struct WalkCase {
    const char* what;
    std::vector<uint8_t> bytes;
    std::vector<std::string> ssids;  // read before the walk stopped
    const char* problem;             // part of the reason, or "" for a whole list
};

TEST(BssidListWalk, FollowsLengthsAndStopsAtTheFirstBadRecord) {
    const std::vector<uint8_t> plain = Record("alpha", 1, 2412000, 104, 104);
    const std::vector<uint8_t> withElements = Record("beta", 2, 2437000, 150, 150);
    const WalkCase cases[] = {
        {"records of different lengths", List(3, {plain, withElements, plain}),
         {"alpha", "beta", "alpha"}, ""},
        {"bytes after the counted records are not records",
         List(1, {plain, Record("", 0, 0, 8, 0)}), {"alpha"}, ""},
        {"a Length of 0", List(3, {plain, Record("x", 3, 0, 104, 0), plain}), {"alpha"},
         "record 2 has Length 0"},
        {"a Length past the end", List(2, {plain, Record("x", 3, 0, 104, 105)}), {"alpha"},
         "record 2 has Length 105, past the 104 bytes left"},
        {"a Length below the fixed fields", List(2, {Record("x", 3, 0, 40, 40), plain}), {},
         "record 1 has Length 40, too short"},
        {"more records counted than the buffer holds", List(1000, {plain, withElements}),
         {"alpha", "beta"}, "counts 1000 records but its 258 bytes hold 2"},
        {"the largest count", List(0xFFFFFFFFu, {plain}), {"alpha"}, "hold 1"},
        {"a record cut inside its Length field", [&] {
             std::vector<uint8_t> b = List(2, {plain});
             b.insert(b.end(), {0x68, 0x00});
             return b;
         }(), {"alpha"}, "hold 1"},
        {"no room for the count", {0x01, 0x00}, {}, "shorter than its count"},
        {"an empty list", List(0, {}), {}, ""},
    };
    for (const WalkCase& c : cases) {
        // An exact-size copy, so that a read past the end is caught by the sanitizers.
        std::vector<uint8_t> exact(c.bytes);
        apstool::BssidList list = apstool::ParseBssidList(exact.data(), exact.size());
        std::vector<std::string> ssids;
        for (const auto& e : list.entries) ssids.push_back(e.ssid);
        EXPECT_EQ(c.ssids, ssids) << c.what;
        if (*c.problem)
            EXPECT_NE(std::string::npos, list.problem.find(c.problem)) << c.what << ": " << list.problem;
        else
            EXPECT_EQ("", list.problem) << c.what;
    }
}

TEST(BssidListWalk, ReadsTheFieldsOfARecordAndCutsAnOverlongSsid) {
    std::vector<uint8_t> r = Record(std::string(40, 'n'), 9, 2484000, 104, 104);
    Put32(r, 12, 200);  // an SSID length the 32-byte field cannot hold
    std::vector<uint8_t> bytes = List(1, {r});
    apstool::BssidList list = apstool::ParseBssidList(bytes.data(), bytes.size());
    ASSERT_EQ(1u, list.entries.size());
    const apstool::BssEntry& e = list.entries[0];
    EXPECT_EQ(std::string(32, 'n'), e.ssid);
    EXPECT_EQ(9, e.bssid[5]);
    EXPECT_EQ(-60, e.rssi);
    EXPECT_EQ(1u, e.privacy);
    EXPECT_EQ(14, apstool::ChannelOf(e.frequencyKhz));
    EXPECT_EQ(6, apstool::ChannelOf(2437000));
    EXPECT_EQ(36, apstool::ChannelOf(5180000));
    EXPECT_EQ(0, apstool::ChannelOf(2437001));
}

TEST_F(DefaultMachineTest, ScanPrintsEveryNetworkOfTheSurvey) {
    Outcome o = RunTool({"--trace", "scan", "1", "--wait", "0"});
    ASSERT_EQ(0, o.code) << o.err;
    std::vector<std::string> lines = o.Lines();
    // The scan request reaches the driver before the list is read.
    auto find = [&](const std::string& part) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(part) != std::string::npos) return i;
        return lines.size();
    };
    EXPECT_LT(find(std::string("set ") + kIntel + " 0d01011a len=4"),
              find(std::string("query ") + kIntel + " 0d010217"));
    const std::vector<std::string> table(lines.begin(), lines.begin() + 6);
    EXPECT_EQ((std::vector<std::string>{
                  "SSID            BSSID              CHANNEL        SIGNAL         PRIVACY  MODE",
                  "Lakeside-WLAN   00:24:01:a3:7c:10  6 (2437 MHz)   -52 dBm ####.  on       infrastructure",
                  "Lakeside-Guest  02:24:01:a3:7c:11  6 (2437 MHz)   -55 dBm ####.  off      infrastructure",
                  "NETGEAR47       a0:21:b7:5e:90:2c  11 (2462 MHz)  -71 dBm ##...  on       infrastructure",
                  "coffeehouse     00:1a:70:3d:12:ee  1 (2412 MHz)   -83 dBm #....  off      infrastructure",
                  "printer-setup   06:5c:2f:91:44:a0  3 (2422 MHz)   -77 dBm ##...  off      ad hoc"}),
              table);
}

// The default machine with the Intel adapter's answers to one OID replaced.
std::string DefaultWith(const std::string& values) {
    return ReadSource("machines/default.reg") +
           "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kIntel + "\\Oids]\n" +
           values + "\n";
}

TEST_F(DefaultMachineTest, ScanOfAMalformedListPrintsTheGoodRecordsAndFails) {
    // Two records counted; the second says 300 bytes where 104 follow.
    std::vector<uint8_t> list = List(2, {Record("first", 1, 2412000, 104, 104),
                                         Record("second", 2, 2412000, 104, 300)});
    std::string hex;
    for (uint8_t b : list) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%s%02x", hex.empty() ? "" : ",", b);
        hex += pair;
    }
    ASSERT_NO_FATAL_FAILURE(LoadMachine(DefaultWith("\"0D010217\"=hex:" + hex)));
    Outcome o = RunTool({"scan", "1", "--wait", "0"});
    EXPECT_EQ(1, o.code);
    ASSERT_EQ(2u, o.Lines().size()) << o.out;
    EXPECT_EQ(0u, o.Lines()[1].find("first  00:24:01:a3:7c:01  1 (2412 MHz)")) << o.out;
    EXPECT_EQ("apstool: scan: the BSSID list is malformed: record 2 has Length 300, past the 104 "
              "bytes left; 1 of 2 networks shown\n",
              o.err);
}

TEST_F(DefaultMachineTest, ScanGoesOnWithTheListWhenTheRequestFails) {
    ASSERT_NO_FATAL_FAILURE(LoadMachine(DefaultWith("\"0D01011A!set\"=dword:c0000001")));
    Outcome o = RunTool({"scan", "1", "--wait", "0"});
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_NE(std::string::npos, o.err.find("the scan request failed")) << o.err;
    EXPECT_EQ(6u, o.Lines().size()) << o.out;
}

TEST_F(DefaultMachineTest, ScanWaitsBetweenRequestAndList) {
    auto start = std::chrono::steady_clock::now();
    Outcome o = RunTool({"scan", "1", "--wait", "150"});
    auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_GE(elapsed, std::chrono::milliseconds(150));
    EXPECT_LT(elapsed, std::chrono::seconds(20));
}

}  // namespace
