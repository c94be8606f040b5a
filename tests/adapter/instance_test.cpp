// AdapterInstance: opening in its fixed order, the states seen through the forwarded operations,
// status codes delivered from another thread, and the waits.
#include "lib/adapter/adapter_instance.h"
#include "lib/discovery/windows_family.h"
#include "molvex/molvex_control.h"
#include "tests/adapter/sim.h"
#include "tests/discovery/discovery_machine.h"

#include <algorithm>
#include <cstdio>

using namespace adapter_test;
using halvora::AdapterInstance;
using halvora::WindowsFamily;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

namespace {

constexpr char kRts[] = "0d01020a";
const std::string kOids = Hex("00010101", "01010100" "0101010d" "0a02010d") + Dword(kRts, 2347);
const std::string kDriverKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042";
const Lines kWirelessProbe = {
    "query 00010101 len=0 -> c0010014 written=0 needed=12 data=-",
    Query("00010101", "010101000101010d0a02010d"),
};

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The I/O library is initialised at the first opening of the process only; that opening's
// trace starts with the two lines, which the expectations below leave out.
Lines WithoutInitialisation(Lines lines) {
    while (!lines.empty() &&
           (StartsWith(lines.front(), "installed") || StartsWith(lines.front(), "initialize")))
        lines.erase(lines.begin());
    return lines;
}

Lines Concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

int32_t Rts(AdapterInstance& instance, halvora::Status& status) {
    int32_t value = -7;
    status = instance.GetU32(APS_dot11RTSThreshold, value);
    return value;
}

class Instance : public NtMachineTest {
protected:
    bool LoadNt(const std::string& oids = kOids, const std::string& adapterValues = "") {
        return NtMachineTest::LoadNt(oids, adapterValues);
    }
};

TEST_F(Instance, BoundAdapterIsReadyWhenTheConstructorReturns) {
    LOAD_NT();
    auto instance = std::make_unique<AdapterInstance>(kName);
    EXPECT_EQ(WithoutInitialisation(Trace()),
              Concat(Concat({"running -> 1", "open -> ok", "bindstate -> 1"}, kWirelessProbe),
                     {"monitor -> on"}));
    EXPECT_TRUE(instance->WaitBound(0));
    EXPECT_TRUE(instance->WaitReady(0));
    EXPECT_EQ(instance->IsWireless(), 1);
    EXPECT_EQ(instance->DriverKeyPath(), kDriverKey);
    ASSERT_NE(instance->Adapter(), nullptr);
    EXPECT_EQ(instance->Adapter()->DriverKeyPath(), kDriverKey);
    EXPECT_EQ(Trace(), Lines{});  // the wireless answer was kept from opening

    halvora::Status status;
    EXPECT_EQ(Rts(*instance, status), 2347);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Trace(), Lines{Query(kRts, Le32(2347))});

    instance.reset();
    EXPECT_EQ(Trace(), Lines{"close"});
    EXPECT_EQ(MolvexSim_Notify(kName, 0xFD000004), 0u);  // no handler once closed
}

TEST_F(Instance, IoLibraryInitialisedOncePerProcessRunningCheckedAtEveryOpening) {
    LOAD_NT();
    Lines first, second;
    { AdapterInstance instance(kName); }
    first = Trace();
    { AdapterInstance instance(kName); }
    second = Trace();
    const Lines all = Concat(first, second);
    EXPECT_LE(std::count_if(all.begin(), all.end(),
                            [](const std::string& l) { return StartsWith(l, "installed"); }),
              1);
    if (StartsWith(first.front(), "installed")) {
        ASSERT_GE(first.size(), 3u);
        EXPECT_EQ(first[1], "initialize 0 1 -> 1");
        EXPECT_EQ(first[2], "running -> 1");
    }
    EXPECT_EQ(second.front(), "running -> 1");
}

TEST_F(Instance, NotOpenedStatesAnswerUnavailableAtOnce) {
    struct Case {
        const char* name;
        std::string machine;
        std::string instance;
        Lines trace;
    } cases[] = {
        {"library not running", NtMachine(kOids, "", "\"Running\"=dword:0"), kName,
         {"running -> 0"}},
        {"name in no registry entry", NtMachine(kOids), "{00000000-0000-0000-0000-000000000000}",
         {"running -> 1"}},
        {"driver refuses the open",
         NtMachine(kOids) + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\" + kName +
             "]\n",
         kName, {"running -> 1", "open -> refused"}},
        {"name of 260 characters", NtMachine(kOids), std::string(260, 'N'), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadMachine(c.machine);
        if (!IsNt5OrLater()) GTEST_SKIP() << "an NT 5 or NT 6 registry only";
        Trace();
        AdapterInstance instance(c.instance.c_str());
        EXPECT_EQ(WithoutInitialisation(Trace()), c.trace);
        const auto start = Clock::now();
        halvora::Status status;
        Rts(instance, status);
        EXPECT_EQ(status, -1);
        EXPECT_LT(MillisecondsSince(start), 5.0);  // no readiness wait without an adapter
        int32_t rates[8];
        EXPECT_EQ(instance.GetTxRates(rates), -1);
        EXPECT_EQ(instance.AddWepKey(0, 0, nullptr), -1);
        EXPECT_EQ(instance.IsWireless(), 0);
        EXPECT_FALSE(instance.WaitBound(0));
        EXPECT_FALSE(instance.WaitReady(0));
        EXPECT_EQ(instance.Adapter(), nullptr);
    }
}

TEST_F(Instance, NameOf259CharactersIsLookedFor) {
    LOAD_NT();
    AdapterInstance instance(std::string(259, 'N').c_str());
    EXPECT_EQ(WithoutInitialisation(Trace()), Lines{"running -> 1"});
    EXPECT_EQ(std::string(instance.Name()), std::string(259, 'N'));
    AdapterInstance none(nullptr);
    EXPECT_EQ(Trace(), Lines{});
}

TEST_F(Instance, UnknownNameWaitsTheFullSecondForBinding) {
    LOAD_NT();
    AdapterInstance instance("{00000000-0000-0000-0000-000000000000}");
    const auto start = Clock::now();
    EXPECT_FALSE(instance.WaitBound(1000));
    const double elapsed = MillisecondsSince(start);
    EXPECT_GE(elapsed, 999.0);
    EXPECT_LT(elapsed, 3000.0);
}

TEST_F(Instance, UnboundAfterRebindStaysNotReady) {
    LOAD_NT(kOids, "\"Bound\"=dword:0\n\"BoundAfterRebind\"=dword:0");
    auto start = Clock::now();
    AdapterInstance instance(kName);
    const double opening = MillisecondsSince(start);
    EXPECT_GE(opening, 99.0);  // the pause after the rebind
    EXPECT_LT(opening, 2000.0);
    EXPECT_EQ(WithoutInitialisation(Trace()),
              (Lines{"running -> 1", "open -> ok", "bindstate -> 0", "rebind", "bindstate -> 0"}));
    EXPECT_FALSE(instance.WaitBound(0));
    EXPECT_FALSE(instance.WaitReady(0));

    start = Clock::now();
    halvora::Status status;
    Rts(instance, status);
    const double waited = MillisecondsSince(start);
    EXPECT_EQ(status, 1);
    EXPECT_GE(waited, 9.0);
    EXPECT_LT(waited, 1000.0);
    EXPECT_EQ(Trace(), Lines{});
    // No handler was registered, so nothing can make it ready.
    EXPECT_EQ(MolvexSim_Notify(kName, 0xFD000005), 0u);
    EXPECT_FALSE(instance.WaitReady(0));
}

TEST_F(Instance, BoundAfterRebindIsReady) {
    LOAD_NT(kOids, "\"Bound\"=dword:0\n\"BoundAfterRebind\"=dword:1");
    AdapterInstance instance(kName);
    EXPECT_EQ(WithoutInitialisation(Trace()),
              Concat(Concat({"running -> 1", "open -> ok", "bindstate -> 0", "rebind",
                             "bindstate -> 1"},
                            kWirelessProbe),
                     {"monitor -> on"}));
    EXPECT_TRUE(instance.WaitBound(0));
    EXPECT_TRUE(instance.WaitReady(0));
}

TEST_F(Instance, StatusCodesFromAnotherThreadMoveBetweenStates) {
    LOAD_NT();
    AdapterInstance instance(kName);
    Trace();
    struct Step {
        const char* name;
        uint32_t code;
        bool bound, ready;
        halvora::Status status;  // of a forwarded operation afterwards
    } steps[] = {
        {"busy", 0xFD000004, true, false, 1},
        {"back", 0xFD000005, true, true, 0},
        {"other code", 0xFD000001, true, true, 0},
        {"busy again", 0xFD000004, true, false, 1},
        {"gone", 0xFD000003, false, false, 1},
        {"back after gone", 0xFD000005, false, true, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ(MolvexSim_Notify(kName, s.code), 1u);
        EXPECT_EQ(instance.WaitBound(0), s.bound);
        EXPECT_EQ(instance.WaitReady(0), s.ready);
        halvora::Status status;
        const int32_t value = Rts(instance, status);
        EXPECT_EQ(status, s.status);
        EXPECT_EQ(value, s.status == 0 ? 2347 : -7);
        char code[9];
        std::snprintf(code, sizeof code, "%08x", s.code);
        Lines expected{std::string("notify ") + code + " -> delivered=1"};
        if (s.status == 0) expected.push_back(Query(kRts, Le32(2347)));
        EXPECT_EQ(Trace(), expected);
    }
}

TEST_F(Instance, WaitsEndAtOnceWhenSignalledAndAfterTheirTimeOtherwise) {
    LOAD_NT();
    AdapterInstance instance(kName);
    ASSERT_EQ(MolvexSim_Notify(kName, 0xFD000004), 1u);
    auto start = Clock::now();
    EXPECT_TRUE(instance.WaitBound(1000));
    EXPECT_LT(MillisecondsSince(start), 500.0);
    start = Clock::now();
    EXPECT_FALSE(instance.WaitReady(50));
    const double waited = MillisecondsSince(start);
    EXPECT_GE(waited, 49.0);
    EXPECT_LT(waited, 2000.0);
}

// On Windows 9x the I/O library is neither initialised nor asked whether it runs; the instance
// name is the last four characters of the driver key.
TEST_F(Instance, Windows9xOpensWithoutTheIoLibraryChecks) {
    LoadMachine(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\n"
        "\"VersionNumber\"=\"4.10.2222\"\n"
        "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_1AB3&DEV_0C07&SUBSYS_00000000&REV_01\\BUS_00&DEV_0B&"
        "FUNC_00]\n"
        "\"Class\"=\"Net\"\n"
        "\"DeviceDesc\"=\"Test 802.11g Adapter\"\n"
        "\"Driver\"=\"Net\\\\0003\"\n"
        "\"Mfg\"=\"Test Radio Works\"\n"
        "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0003]\n"
        "\"DriverDesc\"=\"Test 802.11g Adapter\"\n"
        "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0003\\NDIS]\n"
        "\"LogDriverName\"=\"TSTW\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\0003]\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\0003\\Oids]\n" +
        kOids);
    if (halvora::CurrentWindowsFamily() != WindowsFamily::Win9x)
        GTEST_SKIP() << "a Windows 9x registry only";
    testing_support::TakeTrace();
    AdapterInstance instance("0003");
    const Lines trace = testing_support::TakeTrace();
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "open 0003 -> ok");
    EXPECT_EQ(trace.back(), "monitor 0003 -> on");
    EXPECT_TRUE(instance.WaitReady(0));
    EXPECT_EQ(instance.DriverKeyPath(), "System\\CurrentControlSet\\Services\\Class\\Net\\0003");
}

// Under Wine the NT 4 card list is a volatile key; the discovery tests' loader handles that.
class Nt4Instance : public discovery_test::DiscoveryMachine {
protected:
    void SetUp() override { testing_support::ResetStandIn(); }
    void TearDown() override {
        testing_support::ResetStandIn();
        DiscoveryMachine::TearDown();
    }
};

TEST_F(Nt4Instance, DriverKeyIsTheServiceParameters) {
    Load(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\n"
        "\"CurrentVersion\"=\"4.0\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\7]\n"
        "\"ServiceName\"=\"Tstw7\"\n"
        "\"Description\"=\"Test 802.11g Adapter\"\n"
        "\"Manufacturer\"=\"Test Radio Works\"\n"
        "\"ProductName\"=\"Tstw\"\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tstw]\n"
        "\"Type\"=dword:00000001\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tstw7\\Parameters]\n"
        "\"BusType\"=dword:00000001\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\Tstw7]\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\Tstw7\\Oids]\n" +
        kOids);
    if (halvora::CurrentWindowsFamily() != WindowsFamily::NT4)
        GTEST_SKIP() << "an NT 4 registry only";
    testing_support::TakeTrace();
    AdapterInstance instance("Tstw7");
    EXPECT_TRUE(instance.WaitReady(0));
    EXPECT_EQ(instance.DriverKeyPath(), "SYSTEM\\CurrentControlSet\\Services\\Tstw7\\Parameters");
    ASSERT_NE(instance.Adapter(), nullptr);
    EXPECT_EQ(instance.Adapter()->DriverKeyPath(), instance.DriverKeyPath());
}

}  // namespace
