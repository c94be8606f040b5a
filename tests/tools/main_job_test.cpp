// The main job on the default machine: the adapter list, the MIB of the first wireless adapter,
// single values by kind, and a change that reaches the driver.
#include "tests/tools/tool.h"

#include "lib/mib/catalogue.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

using namespace tool_test;

TEST_F(DefaultMachineTest, ListPrintsEveryAdapterWithItsNames) {
    Outcome o = RunTool({"list"});
    ASSERT_EQ(0, o.code) << o.err;
    std::vector<std::string> lines = o.Lines();
    ASSERT_EQ(6u, lines.size()) << o.out;
    EXPECT_EQ(0u, lines[0].find("#  INSTANCE")) << lines[0];
    const char* names[] = {"Intel(R) 82567LM-3 Gigabit Network Connection",
                           "Intel(R) WiFi Link 5100 AGN",
                           "Atheros AR5006X Wireless Network Adapter", "Broadcom 802.11b/g WLAN",
                           "802.11n USB Wireless LAN Card"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(0u, lines[i + 1].find(std::to_string(i) + "  {")) << lines[i + 1];
        EXPECT_NE(std::string::npos, lines[i + 1].find(names[i])) << lines[i + 1];
    }
    // The manufacturer column starts at the same place on every line.
    size_t column = lines[0].find("MANUFACTURER");
    EXPECT_EQ("Intel Corporation", lines[2].substr(column, 17));
}

TEST_F(DefaultMachineTest, ListFiltersFormCriteriaThatAnyAdapterMayMatch) {
    struct Case {
        std::vector<std::string> filters;
        std::vector<std::string> services;  // of the adapters listed, in list order
    };
    const Case cases[] = {
        {{"--service", "BCM43XX"}, {"BCM43XX"}},
        {{"--mfg", "BROADCOM", "--mfg", "ralink technology, corp."}, {"BCM43XX", "RT2870U"}},
        {{"--mfg", "intel corporation", "--service", "netw5v64"}, {"NETw5v64"}},
        {{"--mfg", "intel", "--service", "netw5v64"}, {}},  // both texts must match
        {{"--desc", "Broadcom 802.11b/g WLAN", "--service", "athr"}, {}},
        // The first --mfg joins --desc in one criterion that nothing matches; the second starts
        // a criterion of its own.
        {{"--desc=broadcom 802.11b/g wlan", "--mfg", "Intel", "--mfg", "Atheros Communications Inc."},
         {"athr"}},
        {{"--mfg", "Intel", "--mfg", "Broadcom", "--desc", "broadcom 802.11b/g wlan"},
         {"e1yexpress", "BCM43XX"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"list", "--tsv"};
        args.insert(args.end(), c.filters.begin(), c.filters.end());
        Outcome o = RunTool(args);
        ASSERT_EQ(0, o.code) << o.err;
        std::vector<std::string> services;
        for (const std::string& line : o.Lines()) services.push_back(line.substr(line.rfind('\t') + 1));
        EXPECT_EQ(c.services, services) << o.out;
    }
    EXPECT_EQ("no adapter found\n", RunTool({"list", "--service", "none"}).out);
}

TEST_F(DefaultMachineTest, ShowPrintsTheMibOfTheFirstWirelessAdapter) {
    Outcome o = RunTool({"show"});
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_EQ(std::string("adapter ") + kIntel, o.Lines().at(0));
    std::map<std::string, std::string> values = ShowValues(o.out);
    const std::pair<const char*, const char*> expected[] = {
        {"dot11DesiredSSID", "Lakeside-WLAN"},
        {"currentBssid", "00:24:01:a3:7c:10"},
        {"dot11MACAddress", "00:21:5c:4e:8a:31"},
        {"dot11CurrentFrequency", "2437000"},
        {"dot11DesiredBSSType", "1"},
        {"dot11OperationalRateSet", "hex:82848b960c1218243048606c00000000"},
        {"dot11SupportedDataRatesTxValue", "2"},
        {"linkSpeed", "540000"},
        {"dot11RTSThreshold", "2347"},
        {"dot11TransmittedFragmentCount", "184223"},
        {"dot11ReceivedFragmentCount", "529871"},
        {"totalBytesReceived", "734766182"},
        {"mediaConnected", "1"},
        {"dot11EDThreshold", "(APS_UNAVAILABLE)"},
    };
    for (const auto& [name, value] : expected) EXPECT_EQ(value, values[name]) << name;
    // Values start in one column.
    const std::vector<std::string> lines = o.Lines();
    const size_t column = lines.at(1).find_first_not_of(' ', lines.at(1).find("  "));
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE(' ', lines[i][column]) << lines[i];
}

TEST_F(DefaultMachineTest, ShowOfASubtreePrintsOnlyItsLeaves) {
    Outcome o = RunTool({"show", "1", "0x48204000"});
    ASSERT_EQ(0, o.code) << o.err;
    std::map<std::string, std::string> values = ShowValues(o.out);
    EXPECT_EQ(halvora::LeavesUnder(0x48204000).size(), values.size());
    for (const halvora::Leaf& leaf : halvora::LeavesUnder(0x48204000))
        EXPECT_EQ(1u, values.count(std::string(leaf.name))) << leaf.name;
    EXPECT_EQ("184223", values["dot11TransmittedFrameCount"]);
}

TEST_F(DefaultMachineTest, GetPrintsOneValueByItsKind) {
    struct Case {
        std::vector<std::string> args;
        std::string printed;
    };
    const Case cases[] = {
        {{"dot11RTSThreshold"}, "2347"},                      // int
        {{"DOT11rtsTHRESHOLD"}, "2347"},                      // any letter case
        {{"48104100"}, "2347"},                               // hex identifier
        {{"0x48104100"}, "2347"},
        {{"totalBytesTransmitted"}, "41536574"},              // u32
        {{"dot11PrivacyInvoked"}, "0"},                       // truth
        {{"currentBssid"}, "00:24:01:a3:7c:10"},              // MAC
        {{"dot11DesiredSSID"}, "Lakeside-WLAN"},              // printable octets
        {{"dot11ResourceTypeIDName"}, "RTID"},                // text with its terminating zero
        {{"dot11OperationalRateSet"}, "hex:82848b960c1218243048606c00000000"},
        {{"surveySignalStrength"}, "hex:ccffffff"},           // raw
        {{"rawOidRequest", "12", "hex:0a02010d"}, "hex:0a02010d2b090000"},  // input, then answer
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"get", "1"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Outcome o = RunTool(args);
        EXPECT_EQ(0, o.code) << c.args[0] << ": " << o.err;
        EXPECT_EQ(c.printed + "\n", o.out) << c.args[0];
    }
}

TEST_F(DefaultMachineTest, GetReportsAFailedReadOnStandardError) {
    Outcome o = RunTool({"get", "1", "dot11EDThreshold"});
    EXPECT_EQ(1, o.code);
    EXPECT_EQ("", o.out);
    EXPECT_EQ("apstool: get dot11EDThreshold: APS_UNAVAILABLE -1 (the value is not available)\n",
              o.err);
    o = RunTool({"get", "1", "dot11RTSThreshold", "8"});
    EXPECT_EQ(1, o.code);
    EXPECT_NE(std::string::npos, o.err.find("APS_BAD_ARGUMENT 2")) << o.err;
    EXPECT_NE(std::string::npos, o.err.find("needs 4 bytes")) << o.err;
}

TEST_F(DefaultMachineTest, TracedSetSendsTheRtsThresholdAndTheSavedRegistryKeepsIt) {
    const std::string saved = testing::TempDir() + "apstool_saved.reg";
    Outcome o = RunTool({"--trace", "--save-registry", saved, "set", kIntel,
                         "dot11RTSThreshold=1000"});
    ASSERT_EQ(0, o.code) << o.err;
    std::vector<std::string> lines = o.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("dot11RTSThreshold = 1000: set APS_OK 0, apply APS_OK 0", lines[0]);
    const std::string sent = std::string("set ") + kIntel +
                             " 0d01020a len=4 data=e8030000 -> 00000000 read=4 needed=4";
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), sent)) << o.out;

    std::ifstream file(saved, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string oids = std::string("[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\") +
                             kIntel + "\\Oids]";
    size_t section = text.str().find(oids);
    ASSERT_NE(std::string::npos, section) << text.str();
    size_t end = text.str().find("\n\n", section);
    EXPECT_NE(std::string::npos,
              text.str().substr(section, end - section).find("\"0D01020A\"=dword:000003e8"));
}

TEST_F(DefaultMachineTest, SetWithoutApplyOnlyCaches) {
    Outcome o = RunTool({"--trace", "set", "1", "dot11RTSThreshold=1000", "--no-apply"});
    ASSERT_EQ(0, o.code) << o.err;
    EXPECT_EQ("dot11RTSThreshold = 1000: set APS_OK 0, not applied", o.Lines().at(0));
    EXPECT_EQ(std::string::npos, o.out.find(" 0d01020a len=4 data=")) << o.out;
}

TEST_F(DefaultMachineTest, SetStopsAtTheFirstRefusedValue) {
    Outcome o = RunTool(
        {"--trace", "set", "1", "dot11DesiredBSSType=2", "dot11RTSThreshold=3001"});
    EXPECT_EQ(1, o.code);
    EXPECT_EQ("apstool: set dot11RTSThreshold=3001: APS_BAD_ARGUMENT 2 (null buffer, wrong "
              "length or value out of range: value out of range)\n",
              o.err);
    EXPECT_EQ(std::string::npos, o.out.find("set " + std::string(kIntel))) << o.out;
}

TEST_F(DefaultMachineTest, ReadyTellsWiredFromWireless) {
    Outcome o = RunTool({"ready", "0"});
    EXPECT_EQ(0, o.code);
    EXPECT_EQ(std::string(kWired) + ": ready, not wireless\n", o.out);
    o = RunTool({"ready", kIntel});
    EXPECT_EQ(0, o.code);
    EXPECT_EQ(std::string(kIntel) + ": ready, wireless\n", o.out);
    // A wired adapter has no MIB.
    o = RunTool({"show", kWired});
    EXPECT_EQ(1, o.code);
    EXPECT_NE(std::string::npos, o.err.find("has no MIB")) << o.err;
}

TEST_F(DefaultMachineTest, ApplyAndRefreshPrintOneStatusPerTarget) {
    Outcome o = RunTool({"apply", "1"});
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_EQ("all: APS_OK 0\n", o.out);
    o = RunTool({"refresh", "1", "dot11RTSThreshold", "0x44104000"});
    EXPECT_EQ(0, o.code) << o.err;
    EXPECT_EQ("dot11RTSThreshold: APS_OK 0\n0x44104000: APS_OK 0\n", o.out);
    o = RunTool({"apply", "1", "0x80000000"});  // the reserved family has nothing to apply
    EXPECT_EQ(1, o.code);
    EXPECT_EQ("0x80000000: APS_INVALID 3\n", o.out);
}

}  // namespace
