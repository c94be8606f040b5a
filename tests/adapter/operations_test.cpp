// Nds80211's operations without a MIB identifier: the wireless probe, WEP keys, rates,
// regulatory domains, authentication mode and decimal text.
#include "tests/adapter/sim.h"

#include <algorithm>

using namespace adapter_test;
using halvora::AuthFlags;

namespace {

constexpr char kSupportedList[] = "00010101";
constexpr char kRates[] = "0d01020e";
constexpr char kAddWep[] = "0d010113";
constexpr char kInfrastructure[] = "0d010108";
constexpr char kAuthMode[] = "0d010118";

// OID_GEN_SUPPORTED_LIST answers: with and without OID_802_11_BSSID.
const std::string kWirelessList = "01010100" "14010100" "0101010d" "0a02010d";
const std::string kWiredList = "01010100" "14010100" "01020200";

class Wireless : public Nds80211Test {};

TEST_F(Wireless, ProbeOfTheSupportedListThenTheRates) {
    const std::string probe = "query 00010101 len=0 -> c0010014 written=0 needed=";
    const std::string rates = "query 0d01020e len=8 -> 00000000";
    struct Case {
        const char* name;
        std::string oids;
        int32_t wireless;
        std::vector<std::string> trace;  // the start of each line
    } cases[] = {
        {"BSSID in the supported list", Hex(kSupportedList, kWirelessList), 1,
         {probe + "16", Query(kSupportedList, kWirelessList)}},
        {"no BSSID, but rates answer", Hex(kSupportedList, kWiredList) + Hex(kRates, "82848b96"),
         1, {probe + "12", Query(kSupportedList, kWiredList), rates}},
        {"no list, rates answer", Hex(kRates, "82848b96"), 1,
         {"query 00010101 len=0 -> c00000bb", rates}},
        {"neither", Hex(kSupportedList, kWiredList), 0,
         {probe + "12", Query(kSupportedList, kWiredList), "query 0d01020e len=8 -> c00000bb"}},
    };
    Open("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.oids);
        EXPECT_EQ(adapter_->IsWireless(), c.wireless);
        const std::vector<std::string> trace = Trace();
        ASSERT_EQ(trace.size(), c.trace.size());
        for (size_t i = 0; i < trace.size(); ++i)
            EXPECT_EQ(trace[i].substr(0, c.trace[i].size()), c.trace[i]);
    }
}

class WepKeys : public Nds80211Test {};

std::string WepRequest(uint32_t keyIndex, const std::string& key) {
    const uint32_t length = static_cast<uint32_t>(key.size() / 2);
    return Set(kAddWep, Le32(length + 15) + Le32(keyIndex) + Le32(length) + key + "000000");
}

TEST_F(WepKeys, TransmitKeyIsMarkedAndIbssSkipsTheOthers) {
    Open(Hex(kAddWep, "") + Dword(kInfrastructure, 0));
    const uint8_t key[5] = {0x11, 0x22, 0x33, 0x44, 0x55};

    // Automatic mode (the state at first): non-transmit keys are sent.
    ASSERT_EQ(adapter_->AddWepKey(1, 5, key), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{WepRequest(1, "1122334455")});

    ASSERT_EQ(adapter_->SetU32(APS_dot11WEPDefaultKeyID, 2), -1);
    ASSERT_EQ(adapter_->AddWepKey(2, 5, key), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{WepRequest(0x80000002, "1122334455")});

    // The driver reports IBSS: from now on only the transmit key is sent.
    int32_t bssType = 0;
    ASSERT_EQ(adapter_->GetU32(APS_dot11DesiredBSSType, bssType), 0);
    EXPECT_EQ(bssType, 2);
    Trace();
    EXPECT_EQ(adapter_->AddWepKey(1, 5, key), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
    EXPECT_EQ(adapter_->AddWepKey(2, 5, key), 0);
    EXPECT_EQ(Trace().size(), 1u);

    // Infrastructure set successfully: key 1 is sent again, unmarked.
    ASSERT_EQ(adapter_->SetU32(APS_dot11DesiredBSSType, 1), 0);
    Trace();
    ASSERT_EQ(adapter_->AddWepKey(1, 5, key), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{WepRequest(1, "1122334455")});
}

TEST_F(WepKeys, FailedModeSetLeavesTheBssTypeAlone) {
    Open(Hex(kAddWep, "") + Dword(kInfrastructure, 0));
    int32_t bssType = 0;
    ASSERT_EQ(adapter_->GetU32(APS_dot11DesiredBSSType, bssType), 0);  // IBSS
    Answer(Hex(kAddWep, "") + Dword(kInfrastructure, 0) + "\"0d010108!set\"=dword:c0000001\n");
    EXPECT_EQ(adapter_->SetU32(APS_dot11DesiredBSSType, 1), -1);
    Trace();
    const uint8_t key[5] = {};
    EXPECT_EQ(adapter_->AddWepKey(3, 5, key), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
}

TEST_F(WepKeys, BadKeysAreRefusedAndDriverFailuresReported) {
    Open("");
    const uint8_t key[5] = {};
    EXPECT_EQ(adapter_->AddWepKey(0, 5, nullptr), 2);
    EXPECT_EQ(adapter_->AddWepKey(0, -1, key), 2);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
    EXPECT_EQ(adapter_->AddWepKey(0, 5, key), -1);  // the driver has no ADD_WEP
    EXPECT_EQ(Trace().size(), 1u);
}

TEST_F(WepKeys, RemoveSendsTheIndex) {
    Open(Hex("0d010114", ""));
    EXPECT_EQ(adapter_->RemoveWepKey(2), 0);
    EXPECT_EQ(adapter_->RemoveWepKey(7), 0);  // no key copy there, the driver still decides
    EXPECT_EQ(Trace(), (std::vector<std::string>{Set("0d010114", Le32(2)),
                                                 Set("0d010114", Le32(7))}));
}

class Rates : public Nds80211Test {};

TEST_F(Rates, BitSevenClearedAndMissingEntriesZero) {
    struct Case {
        const char* name;
        std::string oids;
        int32_t rates[8];
    } cases[] = {
        {"eight rates", Hex(kRates, "82848b960c121824"), {2, 4, 11, 22, 12, 18, 24, 36}},
        {"more than eight", Hex(kRates, "82848b960c12182430486c"), {2, 4, 11, 22, 12, 18, 24, 36}},
        {"four rates", Hex(kRates, "82848b96"), {2, 4, 11, 22, 0, 0, 0, 0}},
        {"none: first two cleared, others kept", "", {0, 0, -1, -1, -1, -1, -1, -1}},
    };
    Open("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.oids);
        int32_t tx[8], rx[8];
        std::fill(tx, tx + 8, -1);
        std::fill(rx, rx + 8, -1);
        EXPECT_EQ(adapter_->GetTxRates(tx), 0);
        EXPECT_EQ(adapter_->GetRxRates(rx), 0);
        EXPECT_EQ(std::vector<int32_t>(tx, tx + 8), std::vector<int32_t>(c.rates, c.rates + 8));
        EXPECT_EQ(std::vector<int32_t>(rx, rx + 8), std::vector<int32_t>(c.rates, c.rates + 8));
    }
}

TEST_F(Rates, RegulatoryDomainsAreOneUnknownDomain) {
    Open("");
    uint32_t codes[16] = {7, 7};
    int32_t count = 16;
    EXPECT_EQ(adapter_->GetRegDomains(count, codes), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(codes[0], 0u);
    EXPECT_EQ(codes[1], 7u);
    // No room: nothing written.
    count = 0;
    EXPECT_EQ(adapter_->GetRegDomains(count, codes), 2);
    EXPECT_EQ(adapter_->GetRegDomains(count = 4, nullptr), 2);
    int32_t row = 0;
    EXPECT_EQ(adapter_->SetRegDomains(row, codes), -1);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
}

class Authentication : public Nds80211Test {};

TEST_F(Authentication, FlagsPickTheFirstMatchingMode) {
    struct Case {
        AuthFlags flags;  // open, shared, automatic, wpa, wpaPsk, wpaNone
        uint32_t mode;
    } cases[] = {
        {{1, 1, 1, 1, 1, 1}, 3}, {{0, 0, 0, 0, 1, 1}, 4}, {{1, 0, 0, 0, 0, 1}, 5},
        {{1, 0, 1, 0, 0, 0}, 2}, {{1, 1, 0, 0, 0, 0}, 2}, {{1, 0, 0, 0, 0, 0}, 0},
        {{0, 1, 0, 0, 0, 0}, 1}, {{0, 0, 0, 0, 0, 0}, 2},
    };
    Open(Dword(kAuthMode, 0));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(adapter_->SetAuthMode(c.flags), 0);
        EXPECT_EQ(Trace(), std::vector<std::string>{Set(kAuthMode, Le32(c.mode))});
    }
}

TEST_F(Authentication, ModeSetsItsFlags) {
    struct Case {
        uint32_t mode;
        AuthFlags flags;
    } cases[] = {
        {0, {1, 0, 0, 0, 0, 0}}, {1, {0, 1, 0, 0, 0, 0}}, {2, {1, 1, 1, 0, 0, 0}},
        {3, {0, 0, 0, 1, 0, 0}}, {4, {0, 0, 0, 0, 1, 0}}, {5, {0, 0, 0, 0, 0, 1}},
        {6, {1, 1, 1, 0, 0, 0}}, {0xFFFFFFFF, {1, 1, 1, 0, 0, 0}},
    };
    Open("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Answer(Dword(kAuthMode, c.mode));
        AuthFlags flags{9, 9, 9, 9, 9, 9};
        ASSERT_EQ(adapter_->GetAuthMode(flags), 0);
        const AuthFlags& e = c.flags;
        EXPECT_EQ(std::vector<int32_t>({flags.open, flags.shared, flags.automatic, flags.wpa,
                                        flags.wpaPsk, flags.wpaNone}),
                  std::vector<int32_t>({e.open, e.shared, e.automatic, e.wpa, e.wpaPsk,
                                        e.wpaNone}));
    }
    Answer("");
    AuthFlags flags{9, 9, 9, 9, 9, 9};
    EXPECT_EQ(adapter_->GetAuthMode(flags), -1);
    EXPECT_EQ(flags.open + flags.shared + flags.automatic + flags.wpa + flags.wpaPsk +
                  flags.wpaNone,
              0);
}

TEST(ParseDecimal, DigitsWithoutCheck) {
    halvora::Nds80211 adapter(0);
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"120", 120}, {"1a", 10 + ('a' - '0')}, {"", 0}, {nullptr, 0}, {"-5", ('-' - '0') * 10 + 5},
        {"4294967295", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(adapter.ParseDecimal(c.text), c.value);
    }
}

}  // namespace
