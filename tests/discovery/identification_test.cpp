// Chipset identification: every service row and every PCI row, the bus type that chooses between
// them, the upper-casing of device ids, row order, the PC Card rule, the NT 4 forms, and the
// generic class for everything else. Each case writes its own driver key; the Windows family is
// given, so every case runs in every Wine mode.
#include "lib/adapter/nds80211.h"
#include "lib/discovery/factory.h"
#include "lib/discovery/text.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using halvora::WindowsFamily;

constexpr const char* kDriverKey = "SOFTWARE\\HalvoraTest\\Driver";

// Every name of the service table, with the class it selects.
const std::pair<const char*, const char*> kServiceNames[] = {
    {"ATHER", "AR5210"},         {"A3AX", "AR5210"},
    {"PRISM", "PRISM"},          {"PRISM_USB", "PRISM"},
    {"USBFVNETR", "Atmel503"},   {"PCMCIAFVNETR", "Atmel503"},
    {"FVNETE", "Atmel503"},      {"VNETUSBR", "Atmel503"},
    {"VNETPCMCIAR", "Atmel503"}, {"BCM43XX", "BCM43XX"},
    {"TNET1130", "TNET1130"},    {"PRISM_A02", "PRISM_A02"},
    {"wind502u", "Envara"},      {"RT2500", "RT2500"},
    {"SIS162u", "SIS162u"},      {"RT2570", "RT2570"},
    {"rt2500usb", "RT2570"},     {"rt25u98", "RT2570"},
    {"AR5523", "AR5523"},        {"AR55239x", "AR5523"},
    {"A5AGU", "AR5523"},         {"A5AGU9x", "AR5523"},
    {"SIS163", "SIS163"},        {"RT61", "RT61ag"},
    {"RT619x", "RT61ag"},        {"rt5226usb", "RT5226"},
    {"rt5200usb", "RT5226"},     {"rt52u98", "RT5226"},
    {"rt73", "RT2573"},          {"RT2501USB", "RT2573"},
    {"Dr71WU98", "RT2573"},      {"rt73u98", "RT2573"},
    {"bcm43xxU", "BCM43XXu"},    {"usb8023", "BCM43XXu"},
    {"USB_RNDIS", "BCM43XXu"},   {"ZD1211BU", "ZD1211"},
    {"ZD1211BU(ZyDAS)", "ZD1211"}, {"RTLWUSB", "RTL8187"},
    {"RT2870U", "RT2870"},       {"rt90x86", "RT2870"},
};

// Every id of the PCI table, with the class it selects.
const std::pair<const char*, const char*> kPciIds[] = {
    {"VEN_14E4&DEV_4301", "BCM43XX"},  {"VEN_1260&DEV_3873", "PRISM"},
    {"VEN_168C&DEV_0007", "AR5210"},   {"VEN_168C&DEV_0012", "AR5211"},
    {"VEN_168C&DEV_0013", "AR5212"},   {"VEN_168C&DEV_001B", "AR5212"},
    {"VEN_10EC&DEV_8180", "RTL8180"},  {"VEN_1186&DEV_3300", "RTL8180"},
    {"VEN_104C&DEV_8400", "TNET1130"}, {"VEN_104C&DEV_9066", "TNET1130"},
    {"VEN_1814&DEV_0201", "RT2500"},   {"VEN_8086&DEV_1043", "CX2NC"},
    {"VEN_8086&DEV_4220", "CX2NC"},    {"VEN_168C&DEV_001A", "AR2413"},
    {"VEN_168C&DEV_0023", "AR5416"},   {"VEN_10EC&DEV_8185", "RTL8185"},
    {"VEN_1106&DEV_3253", "VT6655"},   {"VEN_168C&DEV_0020", "AR5513"},
    {"VEN_1814&DEV_0301", "RT61ag"},   {"VEN_1814&DEV_0302", "RT61ag"},
    {"VEN_1814&DEV_0401", "RT61ag"},   {"VEN_17CB&DEV_0002", "AIRGO303"},
    {"VEN_1814&DEV_0601", "RT2860"},
};

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

struct Case {
    const char* what;
    WindowsFamily family;
    std::string service;  // the record's service
    std::string driver;   // the record's driver (on NT 4 the card's service name)
    std::string values;   // REGEDIT4 value lines of the driver key
    std::string expected;
    bool valid = true;
};

class Identification : public testing_support::MachineTest {
protected:
    std::string Identify(const Case& c) {
        LoadMachine("REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + std::string(kDriverKey) +
                    "]\n\"DriverDesc\"=\"test\"\n" + c.values);
        halvora::AdapterRecord record;
        record.valid = c.valid;
        record.service = c.service;
        record.driver = c.driver;
        return std::string(halvora::IdentifyChipset(record, kDriverKey, c.family));
    }

    void Check(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            std::string identified = Identify(c);
            if (HasFatalFailure()) return;
            EXPECT_EQ(c.expected, identified) << "service \"" << c.service << "\"";
        }
    }
};

TEST_F(Identification, EveryServiceNameInAnyLetterCaseWhenTheBusIsNotPci) {
    std::vector<Case> cases;
    for (const auto& [name, cls] : kServiceNames) {
        std::string n = name;
        cases.push_back({"no bus type", WindowsFamily::NT5, n, "x", "", cls});
        cases.push_back({"USB bus, upper case", WindowsFamily::NT6, halvora::AsciiUpperCase(n),
                         "x", "\"BusType\"=\"15\"\n", cls});
        cases.push_back({"PC Card bus, lower case", WindowsFamily::Win9x, Lower(n), "x",
                         "\"BusType\"=\"8\"\n", cls});
        cases.push_back({"NT 4 ISA bus", WindowsFamily::NT4, n, "x", "\"BusType\"=dword:00000001\n",
                         cls});
    }
    Check(cases);
}

TEST_F(Identification, EveryPciIdWithinAnUpperCasedDeviceId) {
    std::vector<Case> cases;
    for (const auto& [id, cls] : kPciIds) {
        std::string lower = Lower(std::string("PCI\\") + id + "&SUBSYS_00011234&REV_01");
        cases.push_back({"NT 5", WindowsFamily::NT5, "unknown", "x",
                         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=\"" + lower + "\"\n", cls});
        cases.push_back({"NT 6, expandable text", WindowsFamily::NT6, "", "x",
                         "\"BusType\"=hex(2):35,00\n\"MatchingDeviceId\"=\"" + std::string(id) + "\"\n",
                         cls});
        cases.push_back({"9x", WindowsFamily::Win9x, "unknown", "x",
                         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=\"PCI\\\\" + std::string(id) + "\"\n",
                         cls});
    }
    Check(cases);
}

TEST_F(Identification, BusTypeDecidesBetweenServiceAndPciId) {
    const std::string atheros = "\"MatchingDeviceId\"=\"pci\\\\ven_168c&dev_0013\"\n";
    Check({
        {"PCI bus: the id decides, not the service", WindowsFamily::NT5, "RT2500", "x",
         "\"BusType\"=\"5\"\n" + atheros, "AR5212"},
        {"USB bus: the service decides, not the id", WindowsFamily::NT5, "RT2500", "x",
         "\"BusType\"=\"15\"\n" + atheros, "RT2500"},
        {"\"05\" is not PCI", WindowsFamily::NT5, "RT2500", "x", "\"BusType\"=\"05\"\n" + atheros,
         "RT2500"},
        {"\"5 \" is not PCI", WindowsFamily::NT6, "RT2500", "x", "\"BusType\"=\"5 \"\n" + atheros,
         "RT2500"},
        {"a number is no bus type after NT 4", WindowsFamily::NT5, "RT2500", "x",
         "\"BusType\"=dword:00000005\n" + atheros, "RT2500"},
        {"PCI bus without a device id", WindowsFamily::NT5, "RT2500", "x", "\"BusType\"=\"5\"\n",
         "Nds80211"},
        {"PCI bus with an unknown id", WindowsFamily::NT6, "RT2500", "x",
         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=\"pci\\\\ven_8086&dev_1502\"\n", "Nds80211"},
        {"device id read as text only", WindowsFamily::NT5, "RT2500", "x",
         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=hex:56,45,4e,5f,31,36,38,43,26,44,45,56,5f,30,"
         "30,31,33,00\n",
         "Nds80211"},
    });
}

TEST_F(Identification, EarlierRowsWinAndNamesMatchWhole) {
    Check({
        {"PCI row 1 before row 4", WindowsFamily::NT5, "", "x",
         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=\"PCI\\\\VEN_168C&DEV_0012&VEN_14E4&DEV_4301\"\n",
         "BCM43XX"},
        {"PCI row 5 before row 15", WindowsFamily::NT5, "", "x",
         "\"BusType\"=\"5\"\n\"MatchingDeviceId\"=\"VEN_1814&DEV_0301|VEN_168C&DEV_001B\"\n",
         "AR5212"},
        {"PRISM_A02 is not PRISM", WindowsFamily::NT5, "prism_a02", "x", "", "PRISM_A02"},
        {"a longer service", WindowsFamily::NT5, "RT2500X", "x", "", "Nds80211"},
        {"a shorter service", WindowsFamily::NT5, "RT250", "x", "", "Nds80211"},
        {"a service with a space", WindowsFamily::NT5, "RT2500 ", "x", "", "Nds80211"},
    });
}

TEST_F(Identification, PcCardIdsOnThePciBusGiveSis163OrTheGenericClass) {
    const std::string bus = "\"BusType\"=\"5\"\n";
    Check({
        {"SIS163 in other case", WindowsFamily::NT5, "sis163", "x",
         bus + "\"MatchingDeviceId\"=\"PCMCIA\\\\SIS-163U-3D0A\"\n", "SIS163"},
        {"prefix in lower case", WindowsFamily::NT6, "SIS163", "x",
         bus + "\"MatchingDeviceId\"=\"pcmcia\\\\sis-163u-3d0a\"\n", "SIS163"},
        {"another service", WindowsFamily::NT5, "RT2500", "x",
         bus + "\"MatchingDeviceId\"=\"PCMCIA\\\\RALINK-RT2500\"\n", "Nds80211"},
        {"PCI ids after the prefix", WindowsFamily::NT5, "AR5211", "x",
         bus + "\"MatchingDeviceId\"=\"PCMCIA\\\\VEN_168C&DEV_0013\"\n", "Nds80211"},
        {"the prefix elsewhere", WindowsFamily::NT5, "sis163", "x",
         bus + "\"MatchingDeviceId\"=\"PCI\\\\PCMCIA&VEN_168C&DEV_0013\"\n", "AR5212"},
        {"9x", WindowsFamily::Win9x, "SIS163", "x",
         bus + "\"MatchingDeviceId\"=\"PCMCIA\\\\SIS-163U\"\n", "SIS163"},
    });
}

TEST_F(Identification, Nt4ReadsNumbersAndKnowsPrismByItsServiceName) {
    const std::string pci = "\"BusType\"=dword:00000005\n";
    const std::string atherosIds = "\"ZELVendorID\"=dword:0000168c\n\"ZELDeviceID\"=dword:00000013\n";
    Check({
        {"PRISM card without ids", WindowsFamily::NT4, "PRISM", "PRISM1", pci, "PRISM"},
        {"PRISM card: its ids are not read", WindowsFamily::NT4, "PRISM", "PRISM1",
         pci + atherosIds, "PRISM"},
        {"the PRISM prefix is case-sensitive", WindowsFamily::NT4, "x", "prism1", pci, "Nds80211"},
        {"ids as numbers", WindowsFamily::NT4, "AR5211", "AR52111", pci + atherosIds, "AR5212"},
        {"ids padded to four digits", WindowsFamily::NT4, "x", "RT25001",
         pci + "\"ZELVendorID\"=dword:00001814\n\"ZELDeviceID\"=dword:00000201\n", "RT2500"},
        {"big-endian type read like a DWORD", WindowsFamily::NT4, "x", "AR52111",
         "\"BusType\"=hex(5):05,00,00,00\n" + atherosIds, "AR5212"},
        {"only the vendor id", WindowsFamily::NT4, "x", "AR52111",
         pci + "\"ZELVendorID\"=dword:0000168c\n", "Nds80211"},
        {"only the device id", WindowsFamily::NT4, "x", "AR52111",
         pci + "\"ZELDeviceID\"=dword:00000013\n", "Nds80211"},
        {"ids as text", WindowsFamily::NT4, "x", "AR52111",
         pci + "\"ZELVendorID\"=\"168C\"\n\"ZELDeviceID\"=\"0013\"\n", "Nds80211"},
        {"MatchingDeviceId is not read", WindowsFamily::NT4, "x", "AR52111",
         pci + "\"MatchingDeviceId\"=\"pci\\\\ven_168c&dev_0013\"\n", "Nds80211"},
        {"bus type as text is no bus type", WindowsFamily::NT4, "PCMCIAFVNETR", "PCMCIAFVNETR1",
         "\"BusType\"=\"5\"\n" + atherosIds, "Atmel503"},
        {"PC Card bus", WindowsFamily::NT4, "PCMCIAFVNETR", "PCMCIAFVNETR1",
         "\"BusType\"=dword:00000008\n", "Atmel503"},
    });
}

TEST_F(Identification, EverythingElseGetsTheGenericClass) {
    Check({
        {"unknown service, no bus type", WindowsFamily::NT5, "e1cexpress", "x", "", "Nds80211"},
        {"missing service", WindowsFamily::NT6, "N/A", "x", "", "Nds80211"},
        {"empty service", WindowsFamily::Win9x, "", "x", "", "Nds80211"},
        {"invalid record: its service is not used", WindowsFamily::NT5, "RT2500", "x", "",
         "Nds80211", false},
        {"bus type of another type", WindowsFamily::NT5, "e100b", "x", "\"BusType\"=hex:35,00\n",
         "Nds80211"},
    });
}

TEST_F(Identification, TheFactoryCreatesAnObjectHoldingTheDriverKeyPath) {
    LoadMachine(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + kDriverKey +
                "]\n\"DriverDesc\"=\"test\"\n");
    for (const char* service : {"e1cexpress", "RT2500", "rt73u98"}) {
        SCOPED_TRACE(service);
        halvora::AdapterRecord record;
        record.valid = true;
        record.service = service;
        std::unique_ptr<halvora::Nds80211> adapter =
            halvora::CreateAdapter(record, kDriverKey, 7);
        ASSERT_NE(nullptr, adapter);
        EXPECT_EQ(kDriverKey, adapter->DriverKeyPath());
        // A class identified before its chipset file exists is served by the generic class.
        std::string identified(
            halvora::IdentifyChipset(record, kDriverKey, halvora::CurrentWindowsFamily()));
        EXPECT_TRUE(adapter->ClassName() == identified || adapter->ClassName() == "Nds80211")
            << adapter->ClassName() << " for " << identified;
    }
}

}  // namespace
