// The MIB through the exports on simulated adapters: what apsCreateMIB reads, what apsApply
// sends, which reads reach the driver, and how a busy adapter stops a refresh. Checked in the
// stand-in's trace.
#include "include/halvora.h"
#include "lib/discovery/windows_family.h"
#include "molvex/molvex_control.h"
#include "tests/support/trace.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

namespace mib_test {
namespace {

using Lines = std::vector<std::string>;

constexpr char kWireless[] = "{7A3C5E10-2B4D-4F61-8E9A-0C1D2E3F4A5B}";
constexpr char kWired[] = "{7A3C5E10-2B4D-4F61-8E9A-0C1D2E3F4A5C}";
constexpr char kClass[] = "{4D36E972-E325-11CE-BFC1-08002BE10318}";

// An NT 6 device whose driver key carries `name` as its instance id.
std::string Device(const std::string& name, const std::string& number, const std::string& pci) {
    const std::string cls = kClass;
    return "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Network\\" + cls + "\\" +
           name + "\\Connection]\n\"Name\"=\"Connection " + number + "\"\n\"PnpInstanceID\"=\"PCI\\\\" +
           pci + "\\\\4&2F1E0A3B&0&00E0\"\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\PCI\\" + pci +
           "\\4&2F1E0A3B&0&00E0]\n\"DeviceDesc\"=\"Test Adapter " + number +
           "\"\n\"Mfg\"=\"Test Radio Works\"\n\"Driver\"=\"" + cls + "\\\\" + number +
           "\"\n\"Service\"=\"tstw\"\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\" + cls + "\\" +
           number + "]\n\"NetCfgInstanceId\"=\"" + name + "\"\n";
}

// The driver of the wireless adapter: an associated station in infrastructure mode.
const char kWirelessOids[] =
    "\"00010101\"=hex:01,01,01,0d\n"                      // supported list: OID_802_11_BSSID
    "\"01010102\"=hex:00,11,22,33,44,55\n"                // current address
    "\"0D01011B\"=dword:00000001\n"                       // WEP status: disabled
    "\"0D010118\"=dword:00000000\n"                       // authentication mode: open
    "\"0D010102\"=hex:04,00,00,00,68,6f,6d,65,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,"
    "00,00,00,00,00,00,00,00,00,00,00,00\n"               // SSID "home"
    "\"0D010108\"=dword:00000001\n"                       // infrastructure
    "\"0D01020E\"=hex:82,84,8b,96,0c,12,18,24\n"          // supported rates
    "\"0D01020A\"=dword:0000092b\n"                       // RTS threshold 2347
    "\"0D010209\"=dword:0000092a\n"                       // fragmentation threshold
    "\"00020101\"=dword:00000064\n"                       // frames sent
    "\"0D010217\"=hex:01,00,00,00,aa,bb\n"                // BSSID list
    "\"0D010113\"=hex:00\n";                              // add WEP key

std::string Machine(const std::string& wirelessOids = kWirelessOids) {
    return std::string("REGEDIT4\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\n"
                       "\"CurrentVersion\"=\"6.1\"\n") +
           Device(kWireless, "0042", "VEN_1AB3&DEV_0C07") +
           Device(kWired, "0043", "VEN_1AB3&DEV_0C08") +
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim]\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kWireless + "]\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kWireless + "\\Oids]\n" +
           wirelessOids +
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kWired + "]\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kWired + "\\Oids]\n";
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Trace lines with the adapter's name taken out.
Lines Trace() {
    Lines lines = testing_support::TakeTrace();
    for (std::string& line : lines)
        for (const char* name : {kWireless, kWired}) {
            const std::string needle = std::string(" ") + name;
            if (size_t at = line.find(needle); at != std::string::npos) line.erase(at, needle.size());
        }
    return lines;
}

// The OIDs of the request lines, "query 0d01020a" or "set 0d010102".
Lines Requests(const Lines& lines) {
    Lines requests;
    for (const std::string& line : lines)
        if (line.rfind("query ", 0) == 0 || line.rfind("set ", 0) == 0)
            requests.push_back(line.substr(0, line.find(' ', line.find(' ') + 1)));
    return requests;
}

class MibExports : public testing_support::StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        LoadMachine(Machine());
        const halvora::WindowsFamily family = halvora::CurrentWindowsFamily();
        if (family != halvora::WindowsFamily::NT5 && family != halvora::WindowsFamily::NT6)
            GTEST_SKIP() << "an NT 5 or NT 6 registry only";
        apsInitialize();
        Trace();
    }

    void TearDown() override {
        if (mib_) apsCloseHandle(mib_);
        StandInTest::TearDown();
    }

    APS_MIB Open() {
        mib_ = apsCreateMIB(kWireless);
        return mib_;
    }

    int32_t GetInt(uint32_t id, int32_t& status) {
        int32_t value = -7;
        uint32_t needed = 0, written = 0;
        status = apsGetMIB(mib_, id, &value, 4, &needed, &written);
        return value;
    }

    APS_MIB mib_ = nullptr;
};

TEST_F(MibExports, CreateReadsEveryCachedStationValueOnceInBindOrder) {
    ASSERT_NE(Open(), nullptr);
    const Lines trace = Trace();
    size_t monitor = 0;
    while (monitor < trace.size() && trace[monitor] != "monitor -> on") ++monitor;
    ASSERT_LT(monitor, trace.size());
    // dot11PrivacyTable (0x445), the authentication table (0x442), then dot11StationConfigTable
    // (0x441) column by column; dot11mac follows.
    const Lines reads = Requests(Lines(trace.begin() + static_cast<long>(monitor), trace.end()));
    const Lines smt = {"query 0d01011b", "query 0d01011b", "query 0d010118",
                       "query 01010102", "query 0d01011b", "query 0d010102",
                       "query 0d010108", "query 0d01020e", "query 0d01020e",
                       "query 01010102", "query 0d01020a"};
    ASSERT_GE(reads.size(), smt.size());
    EXPECT_EQ(Lines(reads.begin(), reads.begin() + static_cast<long>(smt.size())), smt);
    size_t ssidReads = 0;
    for (const std::string& r : reads) ssidReads += r == "query 0d010102";
    EXPECT_EQ(ssidReads, 1u) << "one bind";

    char ssid[32];
    uint32_t needed = 0, written = 0;
    EXPECT_EQ(apsGetMIB(mib_, APS_dot11DesiredSSID, ssid, sizeof ssid, &needed, &written), APS_OK);
    EXPECT_EQ(std::string(ssid, written), "home");
    int32_t status = 0;
    EXPECT_EQ(GetInt(APS_dot11DesiredBSSType, status), 1);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(MibExports, CreateFailsAfterAboutOneSecondForAnUnknownNameAndAtOnceForAWiredAdapter) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(apsCreateMIB("{00000000-0000-0000-0000-000000000000}"), nullptr);
    const double unknown = MillisecondsSince(start);
    EXPECT_GE(unknown, 990.0);
    EXPECT_LT(unknown, 5000.0);

    start = std::chrono::steady_clock::now();
    EXPECT_EQ(apsCreateMIB(kWired), nullptr);
    EXPECT_LT(MillisecondsSince(start), 900.0) << "well before the one-second wait";
    const Lines trace = Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "close"), trace.end())
        << "the wired adapter's instance was destroyed";
}

TEST_F(MibExports, ApplySendsExactlyTheChangedStationValuesInColumnOrder) {
    ASSERT_NE(Open(), nullptr);
    Trace();
    uint32_t needed = 0, written = 0;
    const int32_t independent = 2;
    EXPECT_EQ(apsSetMIB(mib_, APS_dot11DesiredBSSType, &independent, 4, &needed, &written), APS_OK);
    EXPECT_EQ(apsSetMIB(mib_, APS_dot11DesiredSSID, "office", 6, &needed, &written), APS_OK);
    EXPECT_TRUE(Trace().empty()) << "a set only caches";
    EXPECT_EQ(apsApply(mib_, 0x44104000u), APS_OK);
    const Lines trace = Trace();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].rfind("set 0d010102 len=36 data=060000006f6666696365", 0), 0u) << trace[0];
    EXPECT_EQ(trace[1], "set 0d010108 len=4 data=00000000 -> 00000000 read=4 needed=4");
    EXPECT_EQ(apsApply(mib_, 0), APS_OK);
    EXPECT_TRUE(Trace().empty()) << "clean columns make no request";
}

TEST_F(MibExports, SettingsAnswerFromTheCacheCountersFromTheDriver) {
    ASSERT_NE(Open(), nullptr);
    Trace();
    int32_t status = 0;
    EXPECT_EQ(GetInt(APS_dot11RTSThreshold, status), 2347);
    EXPECT_EQ(status, APS_OK);
    EXPECT_TRUE(Trace().empty());

    EXPECT_EQ(GetInt(APS_dot11TransmittedFrameCount, status), 100);
    EXPECT_EQ(GetInt(APS_dot11TransmittedFrameCount, status), 100);
    EXPECT_EQ(Requests(Trace()), (Lines{"query 00020101", "query 00020101"}));

    uint8_t wide[8];
    uint32_t needed = 0, written = 0;
    EXPECT_EQ(apsGetMIB(mib_, APS_dot11TransmittedFrameCount, wide, 8, &needed, &written),
              APS_BAD_ARGUMENT);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(Requests(Trace()), Lines{"query 00020101"});

    EXPECT_EQ(GetInt(APS_dot11FCSErrorCount, status), -7);
    EXPECT_EQ(status, APS_UNAVAILABLE) << "the generic adapter has no FCS error counter";
}

TEST_F(MibExports, BssidListOnTheGenericAdapterReadsOnlyTheList) {
    ASSERT_NE(Open(), nullptr);
    Trace();
    uint8_t list[16];
    uint32_t needed = 0, written = 0;
    EXPECT_EQ(apsGetMIB(mib_, APS_surveyBssidList, list, sizeof list, &needed, &written), APS_OK);
    EXPECT_EQ(written, 6u);
    EXPECT_EQ(Requests(Trace()), Lines{"query 0d010217"});
    EXPECT_EQ(apsGetMIB(mib_, APS_surveyBssidList, list, 2, &needed, &written), APS_BAD_ARGUMENT);
    EXPECT_EQ(needed, 6u);
}

TEST_F(MibExports, KeyTableApplySendsFourKeys) {
    ASSERT_NE(Open(), nullptr);
    uint32_t needed = 0, written = 0;
    const int32_t two = 2;
    ASSERT_EQ(apsSetMIB(mib_, APS_dot11WEPDefaultKeyIndex, &two, 4, &needed, &written), APS_OK);
    ASSERT_EQ(apsSetMIB(mib_, APS_dot11WEPDefaultKeyValue, "\x11\x22\x33\x44\x55", 5, &needed,
                        &written),
              APS_OK);
    Trace();
    EXPECT_EQ(apsApply(mib_, APS_dot11WEPDefaultKeyValue), APS_OK);
    EXPECT_EQ(Requests(Trace()),
              (Lines{"set 0d010113", "set 0d010113", "set 0d010113", "set 0d010113"}));
}

TEST_F(MibExports, BusyAdapterStopsARefreshBeforeAnyStandardRequest) {
    ASSERT_NE(Open(), nullptr);
    ASSERT_EQ(MolvexSim_Notify(kWireless, 0xFD000004u), 1u);
    Trace();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(apsRefreshMIB(mib_, 0), APS_NOT_READY);
    EXPECT_LT(MillisecondsSince(start), 1000.0);
    EXPECT_TRUE(Requests(Trace()).empty());

    int32_t status = 0;
    EXPECT_EQ(GetInt(APS_adapterReady, status), 0);
    EXPECT_EQ(status, APS_NOT_READY);
    ASSERT_EQ(MolvexSim_Notify(kWireless, 0xFD000005u), 1u);
    EXPECT_EQ(GetInt(APS_adapterReady, status), 1);
    EXPECT_EQ(status, APS_OK);
    EXPECT_EQ(apsRefreshMIB(mib_, 0), APS_OK);
    EXPECT_FALSE(Requests(Trace()).empty());
    ASSERT_EQ(MolvexSim_Notify(kWireless, 0xFD000003u), 1u);
    EXPECT_EQ(GetInt(APS_adapterReady, status), 0);
    EXPECT_EQ(status, APS_OK) << "not bound: the value says so";
}

TEST_F(MibExports, CountersOfTheExportsAndTheReservedFamily) {
    ASSERT_NE(Open(), nullptr);
    int32_t value = 0;
    uint32_t needed = 7, written = 7;
    EXPECT_EQ(apsGetMIB(mib_, 0x44104000u, &value, 4, &needed, &written), APS_INVALID);
    EXPECT_EQ(needed, 0u);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(apsGetMIB(mib_, APS_dot11RTSThreshold, &value, 4, nullptr, nullptr), APS_OK);
    EXPECT_EQ(apsGetMIB(mib_, 0x80000080u, &value, 4, &needed, &written), APS_UNAVAILABLE);
    EXPECT_EQ(apsApply(mib_, 0x80000000u), APS_INVALID);
    EXPECT_EQ(apsApply(mib_, 0x80000080u), APS_INVALID);
    EXPECT_EQ(apsRefreshMIB(mib_, 0x80000000u), APS_INVALID);
}

TEST_F(MibExports, ClosingTheMibClosesItsInstanceAndASecondMibOpensAnew) {
    ASSERT_NE(Open(), nullptr);
    Trace();
    apsCloseHandle(mib_);
    mib_ = nullptr;
    EXPECT_EQ(Trace(), Lines{"close"});
    ASSERT_NE(Open(), nullptr);
    const Lines trace = Trace();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "open -> ok"), trace.end());
}

}  // namespace
}  // namespace mib_test
