// The four machine files through the search exports: which adapters each Windows family lists, in
// which order and with which names, how filters narrow the list, and that every listed name opens
// its adapter. Under Wine each machine runs only in the mode of
// its own Windows family.
#include "lib/discovery/interface_list.h"
#include "lib/discovery/records.h"
#include "lib/discovery/text.h"
#include "tests/discovery/discovery_machine.h"
#include "tests/discovery/listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using discovery_test::Added;
using discovery_test::Listed;
using discovery_test::Search;
using halvora::WindowsFamily;

struct Expected {
    Listed row;
    bool wireless;
};

struct Machine {
    const char* file;
    WindowsFamily family;
    size_t scanned;  // entries the scan collects, repeats included
    std::vector<Expected> adapters;
};

std::ostream& operator<<(std::ostream& out, const Machine& m) { return out << m.file; }

const Machine kMachines[] = {
    {"machines/win98.reg",
     WindowsFamily::Win9x,
     6,  // the PRISM2 card's key is found by "Class" and by "ServiceName"
     {{{"0000", "Realtek RTL8139(A) PCI Fast Ethernet Adapter", "Realtek", "RTL8139"}, false},
      {{"0003", "Atheros AR5212 Wireless Network Adapter", "Atheros", "AR5211"}, true},
      {{"0004", "Intersil PRISM2 11Mbps Wireless LAN PC Card", "Intersil", "PRISM"}, true},
      {{"0001", "Dial-Up Adapter", "Microsoft", "PPPMAC"}, false},
      {{"0002", "Ralink RT2500 USB Wireless LAN Card", "Ralink", "rt25u98"}, true}}},
    {"machines/nt40.reg",
     WindowsFamily::NT4,
     4,
     {{{"E100B1", "Intel(R) PRO/100+ Management Adapter", "Intel", "E100B"}, false},
      {{"PRISM1", "Linksys WMP11 Wireless PCI Adapter", "Linksys", "PRISM"}, true},
      {{"AR52111", "D-Link AirPlus DWL-G520 Wireless PCI Adapter", "D-Link", "AR5211"}, true},
      {{"PCMCIAFVNETR1", "SMC2632W EZ Connect Wireless PC Card", "SMC", "PCMCIAFVNETR"}, true}}},
    {"machines/winxp.reg",
     WindowsFamily::NT5,
     8,  // two connections lead to the Intel card
     {{{"{2D8F1B36-94C0-4A7E-B15D-6E3F8A2C07D9}",
        "Intel(R) PRO/Wireless 2200BG Network Connection", "Intel", "w29n51"},
       true},
      {{"{5E93C2D8-1A47-4B6F-9D30-E8C5B7A4F261}", "NETGEAR WG511T 108 Mbps Wireless PC Card",
        "NETGEAR", "WG511T"},
       true},
      {{"N/A", "Intersil PRISM2 11Mbps Wireless LAN PC Card", "Intersil", "PRISM"}, true},
      {{"{A1C4E7B2-5D38-4F91-8E26-3B7D0C9F14A5}", "Broadcom NetXtreme 57xx Gigabit Controller",
        "Broadcom", "b57w2k"},
       false},
      {{"{B3E60D27-8F19-4C5A-A742-1D9B6E0C3F85}", "1394 Net Adapter", "Microsoft", "NIC1394"},
       false},
      {{"{D4F81C6A-2B07-4E93-8A5D-C16F3E9B7024}", "Linksys Wireless-G USB Network Adapter",
        "Linksys", "rt2500usb"},
       true},
      {{"{F0275E3B-C6D4-4981-B3A7-5E2D0F8C19A6}", "ZyDAS 802.11 b+g USB WLAN", "ZyDAS",
        "ZD1211BU"},
       true}}},
    {"machines/win7.reg",
     WindowsFamily::NT6,
     7,  // two connections lead to the Atheros card; two devices are "N/A"
     {{{"{8E2A51C4-3D0B-4F6E-A2C7-5B19E0D4F7A3}", "Atheros AR5416 Wireless Network Adapter",
        "Atheros Communications Inc.", "athr"},
       true},
      {{"{3F1A2B64-7C1E-4D2B-9E61-0A5C1D7E42B1}", "Intel(R) 82579LM Gigabit Network Connection",
        "Intel", "e1cexpress"},
       false},
      {{"N/A", "Bluetooth Device (Personal Area Network)", "Microsoft", "BthPan"}, false},
      {{"{C0D5E8A2-6F4B-4A19-8E3D-71B2C9A0F5E6}", "802.11n USB Wireless LAN Card",
        "Ralink Technology, Corp.", "RT2870U"},
       true},
      {{"{E5B04C7D-92A1-4F8E-B6D3-0C4A7E2F91B8}",
        "Realtek RTL8187 Wireless 802.11b/g 54Mbps USB 2.0 Network Adapter",
        "Realtek Semiconductor Corp.", "RTLWUSB"},
       true}}},
};

// Swaps the letter case of every letter, so that a match cannot be an exact one.
std::string OtherCase(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return out;
}

bool Passes(const InterfaceFilter& f, const Listed& row) {
    auto ok = [](const char* wanted, const std::string& actual) {
        return !wanted || !*wanted || halvora::EqualsIgnoringCase(wanted, actual);
    };
    return ok(f.manufacturer, row.manufacturer) && ok(f.description, row.friendly) &&
           ok(f.service, row.service);
}

class MachineFile : public discovery_test::DiscoveryMachine,
                    public testing::WithParamInterface<Machine> {
protected:
    void SetUp() override {
#ifdef _WIN32
        if (halvora::CurrentWindowsFamily() != GetParam().family)
            GTEST_SKIP() << "Wine runs another Windows family";
#endif
        apsInitialize();
        // Wine's own registry may list adapters of its own; they stay out of the comparisons.
        before_ = Search(nullptr, 0).Rows();
        scannedBefore_ = halvora::ScanAdapters().size();
        ASSERT_NO_FATAL_FAILURE(LoadFile(GetParam().file));
        ASSERT_EQ(GetParam().family, halvora::CurrentWindowsFamily())
            << "the machine file describes another Windows version";
    }

    std::vector<Listed> Own(const InterfaceFilter* criteria, int32_t count) const {
        Search search(criteria, count);
        EXPECT_NE(nullptr, search.Handle());
        return Added(search.Rows(), before_);
    }

    // What the filters should leave of the machine's adapters, in the same order.
    std::vector<Listed> ExpectedFor(const std::vector<InterfaceFilter>& filters) const {
        std::vector<Listed> rows;
        for (const Expected& e : GetParam().adapters) {
            bool any = false;
            for (const InterfaceFilter& f : filters) any = any || Passes(f, e.row);
            if (any) rows.push_back(e.row);
        }
        return rows;
    }

    std::vector<Listed> before_;
    size_t scannedBefore_ = 0;
};

TEST_P(MachineFile, ListsItsAdaptersInCollectionOrderWithoutRepeats) {
    std::vector<Listed> expected;
    for (const Expected& e : GetParam().adapters) expected.push_back(e.row);

    Search all(nullptr, 0);
    std::vector<Listed> rows = all.Rows();
    EXPECT_EQ(expected, Added(rows, before_));
    for (const Listed& b : before_) EXPECT_NE(rows.end(), std::find(rows.begin(), rows.end(), b));

    // The repeats are in the scan; only the list drops them.
    EXPECT_EQ(GetParam().scanned, halvora::ScanAdapters().size() - scannedBefore_);
}

TEST_P(MachineFile, NoCriteriaOrACountBelowOneListsEverything) {
    std::vector<Listed> all = Own(nullptr, 0);
    InterfaceFilter nothingMatches = {"no such maker", nullptr, nullptr};
    EXPECT_EQ(all, Own(&nothingMatches, 0));
    EXPECT_EQ(all, Own(&nothingMatches, -1));
    EXPECT_EQ(all, Own(nullptr, 3));
}

TEST_P(MachineFile, EachFilterTextMatchesInOtherLetterCase) {
    for (const Expected& e : GetParam().adapters) {
        std::string service = OtherCase(e.row.service);
        std::string maker = OtherCase(e.row.manufacturer);
        std::string name = OtherCase(e.row.friendly);
        const InterfaceFilter cases[] = {
            {nullptr, nullptr, service.c_str()},
            {maker.c_str(), "", nullptr},
            {nullptr, name.c_str(), ""},
        };
        for (const InterfaceFilter& f : cases) {
            std::vector<Listed> rows = Own(&f, 1);
            EXPECT_NE(rows.end(), std::find(rows.begin(), rows.end(), e.row)) << e.row;
            EXPECT_EQ(ExpectedFor({f}), rows) << e.row;
        }
    }
}

TEST_P(MachineFile, OneCriterionMustMatchWholeTwoCriteriaMatchEither) {
    const std::vector<Expected>& a = GetParam().adapters;
    const Listed& first = a.front().row;
    const Listed& last = a.back().row;
    // Manufacturer and description of different adapters: no adapter has both.
    InterfaceFilter crossed = {first.manufacturer.c_str(), last.friendly.c_str(), nullptr};
    EXPECT_TRUE(Own(&crossed, 1).empty());
    // A text must equal the whole registry text, not a part of it.
    std::string part = first.friendly.substr(0, first.friendly.size() - 1);
    InterfaceFilter partial = {nullptr, part.c_str(), nullptr};
    EXPECT_TRUE(Own(&partial, 1).empty());

    InterfaceFilter both = {first.manufacturer.c_str(), first.friendly.c_str(), nullptr};
    EXPECT_EQ(ExpectedFor({both}), Own(&both, 1));

    std::vector<InterfaceFilter> either = {{nullptr, nullptr, last.service.c_str()},
                                           {first.manufacturer.c_str(), nullptr, nullptr}};
    std::vector<Listed> rows = Own(either.data(), 2);
    EXPECT_EQ(ExpectedFor(either), rows);
    EXPECT_GE(rows.size(), 2u);
}

TEST_P(MachineFile, ACriterionWithNothingToCompareRefusesTheSearch) {
    const Listed& first = GetParam().adapters.front().row;
    const InterfaceFilter valid = {first.manufacturer.c_str(), nullptr, nullptr};
    const InterfaceFilter empties[] = {{nullptr, nullptr, nullptr}, {"", "", ""}, {"", nullptr, ""}};
    for (const InterfaceFilter& empty : empties) {
        InterfaceFilter alone[] = {empty};
        InterfaceFilter after[] = {valid, empty};
        InterfaceFilter before[] = {empty, valid};
        EXPECT_EQ(nullptr, apsSearchInterface(alone, 1));
        EXPECT_EQ(nullptr, apsSearchInterface(after, 2));
        EXPECT_EQ(nullptr, apsSearchInterface(before, 2));
        // Beyond the count nothing is looked at.
        EXPECT_EQ(ExpectedFor({valid}), Own(after, 1));
    }
}

TEST_P(MachineFile, NamesOutsideTheListAreNull) {
    Search all(nullptr, 0);
    int32_t count = apsGetInterfaceCount(all.Handle());
    ASSERT_GE(count, int32_t(GetParam().adapters.size()));
    for (int32_t index : {-1, count, count + 1, INT32_MIN}) {
        EXPECT_EQ(nullptr, apsGetInstanceName(all.Handle(), index)) << index;
        EXPECT_EQ(nullptr, apsGetFriendlyName(all.Handle(), index)) << index;
        EXPECT_EQ(nullptr, apsGetIfMfg(all.Handle(), index)) << index;
        EXPECT_EQ(nullptr, apsGetIfService(all.Handle(), index)) << index;
    }
}

TEST_P(MachineFile, IndexOfFindsTheFirstExactInstanceName) {
    halvora::InterfaceList list(nullptr, 0);
    for (int32_t i = 0; i < list.Count(); ++i) {
        ASSERT_NE(nullptr, list.InstanceName(i));
        EXPECT_EQ(i, list.IndexOf(list.InstanceName(i)));
        std::string other = OtherCase(list.InstanceName(i));
        if (other != list.InstanceName(i)) {
            EXPECT_EQ(-1, list.IndexOf(other));
        }
    }
    EXPECT_EQ(-1, list.IndexOf("no such adapter"));
    EXPECT_EQ(-1, list.IndexOf(""));
}

// The names the list reports are the ones an adapter is opened by, and each machine's simulated
// drivers answer as wireless exactly the adapters that are.
TEST_P(MachineFile, EveryListedNameOpensItsAdapter) {
    for (const Expected& e : GetParam().adapters) {
        int32_t wireless = -7;
        if (e.row.instance == "N/A") {
            // Such a device has no name a driver could be opened by.
            EXPECT_EQ(0, apsGetReady(e.row.instance.c_str(), &wireless)) << e.row;
            EXPECT_EQ(-7, wireless) << e.row;
            continue;
        }
        EXPECT_EQ(1, apsGetReady(e.row.instance.c_str(), &wireless)) << e.row;
        EXPECT_EQ(e.wireless ? 1 : 0, wireless) << e.row;
    }
}

INSTANTIATE_TEST_SUITE_P(Discovery, MachineFile, testing::ValuesIn(kMachines),
                         [](const testing::TestParamInfo<Machine>& info) {
                             std::string name = info.param.file + std::strlen("machines/");
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
