// Records and the scan on small registry trees: what makes a device, driver or connection valid
// in each Windows family, which texts it reads, and which values mark a network adapter. The
// family is given explicitly, so these run in every Wine mode; scans look only at the keys a test
// wrote, whatever Wine keeps beside them.
#include "lib/discovery/records.h"
#include "tests/discovery/discovery_machine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using halvora::AdapterRecord;
using halvora::DriverRecord;
using halvora::WindowsFamily;

TEST(WindowsFamilyRule, PlatformIdAndMajorVersionPickTheFamily) {
    struct Case {
        uint32_t platform, major;
        WindowsFamily family;
    } const cases[] = {
        {2, 3, WindowsFamily::NT4},   {2, 4, WindowsFamily::NT4}, {2, 5, WindowsFamily::NT5},
        {2, 6, WindowsFamily::NT6},   {2, 10, WindowsFamily::NT6}, {1, 4, WindowsFamily::Win9x},
        {0, 6, WindowsFamily::Win9x}, {3, 5, WindowsFamily::Win9x},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.family, halvora::FamilyOf(c.platform, c.major)) << c.platform << "." << c.major;
}

constexpr const char* kDevice = "SYSTEM\\CurrentControlSet\\Enum\\HalvoraTest\\Device\\1";
constexpr const char* kClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042";

// An NT 5/6 device key with the given value lines and a driver key with others.
std::string NtDevice(const std::string& device, const std::string& driver) {
    return std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + kDevice + "]\n" + device +
           "[HKEY_LOCAL_MACHINE\\" + kClassKey + "]\n" + driver;
}

const std::string kDriverValue =
    "\"Driver\"=\"{4D36E972-E325-11CE-BFC1-08002BE10318}\\\\0042\"\n";
const std::string kInstance = "\"NetCfgInstanceId\"=\"{11111111-2222-3333-4444-555555555555}\"\n";

class Records : public discovery_test::DiscoveryMachine {};

TEST_F(Records, Nt6ShowsThePlainTextAfterTheLastSemicolon) {
    struct Case {
        const char* stored;
        const char* nt6;
    } const cases[] = {
        {"@oem5.inf,%desc%;Plain Name", "Plain Name"},
        {"Plain Name", "Plain Name"},
        {"Name;", "Name;"},
        {"a;b;", "a;b;"},
        {";Leading", "Leading"},
        {"a;;b", "b"},
        {"@net.inf,%a;b%;Shown", "Shown"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        std::string text = std::string("\"") + c.stored + "\"\n";
        Load(NtDevice("\"DeviceDesc\"=" + text + "\"Mfg\"=" + text +
                                 "\"Service\"=\"x;y\"\n" + kDriverValue,
                             kInstance));
        auto nt6 = AdapterRecord::FromDeviceKey(kDevice, WindowsFamily::NT6);
        ASSERT_TRUE(nt6->valid);
        EXPECT_EQ(c.nt6, nt6->description);
        EXPECT_EQ(c.nt6, nt6->manufacturer);
        EXPECT_EQ("x;y", nt6->service);  // only the two texts Windows 7 stores as references
        auto nt5 = AdapterRecord::FromDeviceKey(kDevice, WindowsFamily::NT5);
        EXPECT_EQ(c.stored, nt5->description);
        EXPECT_EQ(c.stored, nt5->manufacturer);
    }
}

TEST_F(Records, Nt5DeviceNeedsContentAndADriverKeyWithContent) {
    const std::string texts = "\"DeviceDesc\"=\"Card\"\n\"Mfg\"=\"Maker\"\n\"Service\"=\"svc\"\n";
    struct Case {
        const char* what;
        std::string machine;
        bool valid;
        const char* instance;
    } const cases[] = {
        {"complete", NtDevice(texts + kDriverValue, kInstance), true,
         "{11111111-2222-3333-4444-555555555555}"},
        {"no \"NetCfgInstanceId\"", NtDevice(texts + kDriverValue, "\"DriverDesc\"=\"Card\"\n"),
         true, "N/A"},
        {"\"NetCfgInstanceId\" not text",
         NtDevice(texts + kDriverValue, "\"NetCfgInstanceId\"=dword:00000001\n"), true, "N/A"},
        {"driver key without content", NtDevice(texts + kDriverValue, ""), false, nullptr},
        {"no \"Driver\" value", NtDevice(texts, kInstance), false, nullptr},
        {"empty \"Driver\" value", NtDevice(texts + "\"Driver\"=\"\"\n", kInstance), false, nullptr},
        {"\"Driver\" not text",
         NtDevice(texts + "\"Driver\"=hex:30,30,34,32,00\n", kInstance), false, nullptr},
        {"device key without content", NtDevice("", kInstance), false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.machine);
        auto record = AdapterRecord::FromDeviceKey(kDevice, WindowsFamily::NT5);
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(c.valid, record->valid);
        EXPECT_EQ(c.valid, record->driverRecord != nullptr);
        if (c.valid && record->driverRecord) {
            EXPECT_EQ(c.instance, record->driverRecord->instanceId);
            EXPECT_EQ("Card", record->description);
        }
    }
    auto missing = AdapterRecord::FromDeviceKey(std::string(kDevice) + "9", WindowsFamily::NT5);
    EXPECT_FALSE(missing->valid);
}

TEST_F(Records, MissingOrNonTextValuesReadNotAvailable) {
    Load(NtDevice("\"DeviceDesc\"=dword:00000001\n\"Mfg\"=hex(7):61,00,00\n" + kDriverValue,
                         kInstance));
    for (WindowsFamily f : {WindowsFamily::NT5, WindowsFamily::NT6}) {
        auto record = AdapterRecord::FromDeviceKey(kDevice, f);
        ASSERT_TRUE(record->valid);
        EXPECT_EQ("N/A", record->description);
        EXPECT_EQ("N/A", record->manufacturer);
        EXPECT_EQ("N/A", record->service);
        EXPECT_EQ(kDevice, record->deviceKeyPath);
    }
}

TEST_F(Records, Nt4CardNeedsItsOwnServiceAndItsDriverService) {
    const std::string services = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\";
    const std::string card = "[" + services + "TESTNIC1]\n\"Type\"=dword:00000004\n";
    const std::string cardEmpty = "[" + services + "TESTNIC1]\n";
    const std::string driver = "[" + services + "TESTNIC]\n\"Type\"=dword:00000001\n";
    const std::string driverEmpty = "[" + services + "TESTNIC]\n";
    struct Case {
        const char* what;
        std::string keys;
        bool valid;
    } const cases[] = {
        {"both", card + driver, true},
        {"card service only", card, false},
        {"driver service only", driver, false},
        {"card service empty", cardEmpty + driver, false},
        {"driver service empty", card + driverEmpty, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load("REGEDIT4\n" + c.keys);
        auto record = DriverRecord::FromDriverKey(
            "SYSTEM\\CurrentControlSet\\Services\\TESTNIC1", WindowsFamily::NT4);
        EXPECT_EQ(c.valid, record->valid);
        if (c.valid) {
            EXPECT_EQ("TESTNIC1", record->instanceId);
        }
    }
}

TEST_F(Records, Nt4CardReadsItsTextsFromTheNetworkCardsKey) {
    Load(R"(REGEDIT4
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\7]
"ServiceName"="TESTNIC1"
"Description"="Test card"
"Manufacturer"="Maker"
"ProductName"="TESTNIC"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\TESTNIC1\Parameters]
"BusType"=dword:00000005
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\TESTNIC]
"Type"=dword:00000001
)");
    auto record = AdapterRecord::FromDeviceKey(
        "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\7", WindowsFamily::NT4);
    ASSERT_TRUE(record->valid);
    EXPECT_EQ("Test card", record->description);
    EXPECT_EQ("TESTNIC1", record->driver);
    EXPECT_EQ("Maker", record->manufacturer);
    EXPECT_EQ("TESTNIC", record->service);
    EXPECT_EQ("TESTNIC1", record->driverRecord->instanceId);
}

TEST_F(Records, Win9xInstanceIsTheDriverKeysLastFourCharacters) {
    const char* device = "Enum\\HalvoraTest\\Device\\1";
    const std::string base = R"(REGEDIT4
[HKEY_LOCAL_MACHINE\Enum\HalvoraTest\Device\1]
"Class"="Net"
"Driver"="Net\\0042"
"DeviceDesc"="Test card"
"Mfg"="Maker"
"Service"="ignored on 9x"
[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0042]
"DriverDesc"="Test card"
)";
    struct Case {
        const char* what;
        std::string extra;
        const char* service;
    } const cases[] = {
        {"service from NDIS",
         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0042\\NDIS]\n"
         "\"LogDriverName\"=\"TESTNIC\"\n",
         "TESTNIC"},
        {"no NDIS key", "", "N/A"},
        {"LogDriverName not text",
         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0042\\NDIS]\n"
         "\"LogDriverName\"=dword:00000001\n",
         "N/A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(base + c.extra);
        auto record = AdapterRecord::FromDeviceKey(device, WindowsFamily::Win9x);
        ASSERT_TRUE(record->valid);
        EXPECT_EQ("0042", record->driverRecord->instanceId);
        EXPECT_EQ("Test card", record->description);
        EXPECT_EQ("Maker", record->manufacturer);
        EXPECT_EQ(c.service, record->service);
    }
}

// Entries of a scan that come from keys a test wrote.
std::vector<const halvora::InterfaceEntry*> Ours(const halvora::AdapterCollection& all) {
    std::vector<const halvora::InterfaceEntry*> ours;
    for (const auto& e : all) {
        EXPECT_TRUE(e->valid);
        const AdapterRecord* a = e->Adapter();
        EXPECT_TRUE(a && a->valid && a->driverRecord);
        std::string from = e->connection ? e->connection->connectionKeyPath : a->deviceKeyPath;
        if (from.find("HalvoraTest") != std::string::npos) ours.push_back(e.get());
    }
    return ours;
}

TEST_F(Records, Nt5ScanFollowsConnectionsToTheirDevices) {
    const std::string net =
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Network\\"
        "{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
    Load(NtDevice("\"DeviceDesc\"=\"Card\"\n" + kDriverValue, kInstance) +
                net + "{HalvoraTest-1}\\Connection]\n\"PnpInstanceID\"=\"HalvoraTest\\\\Device\\\\1\"\n" +
                net + "{HalvoraTest-2}\\Connection]\n\"PnpInstanceID\"=\"HALVORATEST\\\\DEVICE\\\\1\"\n" +
                net + "{HalvoraTest-3}\\Connection]\n\"PnpInstanceID\"=\"HalvoraTest\\\\Gone\\\\1\"\n" +
                net + "{HalvoraTest-4}\\Connection]\n\"PnpInstanceID\"=dword:00000001\n" +
                net + "{HalvoraTest-5}\\Connection]\n\"PnpInstanceID\"=\"\"\n" +
                net + "{HalvoraTest-6}\\Connection]\n\"pnpinstanceid\"=\"HalvoraTest\\\\Device\\\\1\"\n" +
                net + "{HalvoraTest-7}]\n\"PnpInstanceID\"=\"HalvoraTest\\\\Device\\\\1\"\n");
    auto all = halvora::ScanAdapters(WindowsFamily::NT5);
    auto ours = Ours(all);
    // Connections 1 and 2 (device names are not case-sensitive) and the value found directly in
    // key 7; the missing device, the non-text and empty ids, and the other-case name give none.
    ASSERT_EQ(3u, ours.size());
    const char* const keys[] = {"{HalvoraTest-1}\\Connection", "{HalvoraTest-2}\\Connection",
                                "{HalvoraTest-7}"};
    for (size_t i = 0; i < ours.size(); ++i) {
        const std::string& path = ours[i]->connection->connectionKeyPath;
        EXPECT_EQ(keys[i], path.substr(path.rfind("{HalvoraTest")));
        EXPECT_EQ(ours[i]->connection->adapter.get(), ours[i]->Adapter());
        EXPECT_EQ("{11111111-2222-3333-4444-555555555555}",
                  ours[i]->Adapter()->driverRecord->instanceId);
    }
}

TEST_F(Records, Win9xAndNt4ScansMarkAdaptersByClassNetOrServiceName) {
    const std::string head = "[HKEY_LOCAL_MACHINE\\Enum\\HalvoraTest\\";
    const std::string driver =
        "\"Driver\"=\"Net\\\\0042\"\n"
        "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0042]\n"
        "\"DriverDesc\"=\"Test card\"\n";
    struct Case {
        const char* what;
        std::string values;
        size_t entries;
    } const cases[] = {
        {"Class Net", "\"Class\"=\"Net\"\n", 1},
        {"Class NetTrans", "\"Class\"=\"NetTrans\"\n", 0},
        {"Class in other case", "\"Class\"=\"NET\"\n", 0},
        {"Class name in other case", "\"class\"=\"Net\"\n", 0},
        {"Class not text", "\"Class\"=hex:4e,65,74,00\n", 0},
        {"ServiceName", "\"ServiceName\"=\"TESTNIC\"\n", 1},
        {"ServiceName expandable", "\"ServiceName\"=hex(2):54,00\n", 1},
        {"ServiceName not text", "\"ServiceName\"=dword:00000001\n", 0},
        {"both", "\"Class\"=\"Net\"\n\"ServiceName\"=\"TESTNIC\"\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load("REGEDIT4\n" + head + "Device\\1]\n" + c.values + driver);
        auto all = halvora::ScanAdapters(WindowsFamily::Win9x);
        auto ours = Ours(all);
        EXPECT_EQ(c.entries, ours.size());
        for (const auto* e : ours) EXPECT_EQ("0042", e->Adapter()->driverRecord->instanceId);
    }

    Load(R"(REGEDIT4
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\HalvoraTest]
"ServiceName"="TESTNIC1"
"Class"="Net"
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\TESTNIC1]
"Type"=dword:00000004
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\TESTNIC]
"Type"=dword:00000001
)");
    auto nt4 = halvora::ScanAdapters(WindowsFamily::NT4);
    auto ours = Ours(nt4);
    ASSERT_EQ(2u, ours.size());
    for (const auto* e : ours) EXPECT_EQ("TESTNIC1", e->Adapter()->driverRecord->instanceId);
}

}  // namespace
