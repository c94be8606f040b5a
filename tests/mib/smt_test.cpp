// dot11smt through the whole tree on a fake adapter: the station configuration's cached columns
// and special leaves, the authentication, WEP key and privacy tables, key mappings and the
// notification arc.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

#include <cstring>

namespace mib_test {
namespace {

using namespace halvora;

class SmtTest : public MibTest {
protected:
    void SetUp() override {
        adapter->macs[APS_dot11StationID] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
        adapter->macs[APS_dot11DisassociateStation] = {1, 2, 3, 4, 5, 6};
        adapter->numbers[APS_dot11MediumOccupancyLimit] = 100;
        adapter->numbers[APS_dot11CFPollable] = 0;
        adapter->numbers[APS_dot11CFPPeriod] = 3;
        adapter->numbers[APS_dot11PowerManagementMode] = 1;
        adapter->numbers[APS_dot11DesiredBSSType] = 1;
        adapter->numbers[APS_dot11BeaconPeriod] = 100;
        adapter->numbers[APS_dot11DTIMPeriod] = 2;
        adapter->bytes[APS_dot11DesiredSSID] = "home";
        adapter->bytes[APS_dot11OperationalRateSet] = "\x82\x84\x8b\x96";
        for (MibId id : {APS_dot11PrivacyInvoked, APS_dot11WEPDefaultKeyID,
                         APS_dot11WEPKeyMappingLength, APS_dot11ExcludeUnencrypted,
                         APS_dot11WEPICVErrorCount, APS_dot11WEPExcludedCount,
                         APS_encryptionStatus})
            adapter->numbers[id] = 0;
        adapter->numbers[APS_dot11WEPKeyMappingLength] = 10;
        Bind();
    }
};

// --- dot11StationConfigTable ---------------------------------------------------------------

TEST_F(SmtTest, RefreshReadsEveryColumnInOrderWithTheOperationOfItsKind) {
    EXPECT_EQ(root->Refresh(0x44104000u), APS_OK);
    std::vector<std::string> expected = {
        "GetMac 44104080",     "GetU32 44104100", "GetU32 44104180", "GetU32 44104200",
        "GetU32 44104280",     "GetCounter 44104300", "GetU32 44104380", "GetU32 44104400",
        "GetBytes 44104480",   "GetU32 44104500", "GetBytes 44104580", "GetU32 44104600",
        "GetU32 44104680",     "GetU32 44104700", "GetU32 44104780", "GetMac 44104800",
        "GetU32 44104880",     "GetMac 44104900", "GetU32 44104980", "GetMac 44104A00"};
    EXPECT_EQ(adapter->TakeCalls(), expected);
}

TEST_F(SmtTest, RefreshIsGuardedByTheFirstColumnOnly) {
    struct Case {
        MibId failing;
        Status status;
        Status expected;
        size_t calls;
    } cases[] = {
        {APS_dot11StationID, APS_NOT_READY, APS_NOT_READY, 1},
        {APS_dot11StationID, APS_NOT_BOUND, APS_NOT_BOUND, 1},
        {APS_dot11StationID, APS_UNAVAILABLE, APS_OK, 20},
        {APS_dot11CFPPeriod, APS_NOT_READY, APS_OK, 20},
    };
    for (const Case& c : cases) {
        adapter->forced = {{c.failing, c.status}};
        EXPECT_EQ(root->Refresh(0x44104000u), c.expected) << Hex32(c.failing) << " " << c.status;
        EXPECT_EQ(adapter->TakeCalls().size(), c.calls) << Hex32(c.failing) << " " << c.status;
    }
}

TEST_F(SmtTest, FixedSizeValuesNeedTheExactLength) {
    uint8_t buffer[16] = {};
    EXPECT_EQ(Get(APS_dot11MediumOccupancyLimit, buffer, 8), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11MediumOccupancyLimit, buffer, 3), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11MediumOccupancyLimit, nullptr, 4), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11MediumOccupancyLimit, buffer, 4), (Answer{0, 0, 4}));
    EXPECT_EQ(Get(APS_dot11StationID, buffer, 8), (Answer{2, 6, 0}));
    EXPECT_EQ(Get(APS_dot11StationID, buffer, 6), (Answer{0, 0, 6}));
    EXPECT_EQ(Hex(buffer, 6), "001122334455");
    EXPECT_EQ(Set(APS_dot11MediumOccupancyLimit, buffer, 5), (Answer{2, 4, 0}));
    EXPECT_EQ(Set(APS_dot11StationID, buffer, 7), (Answer{2, 6, 0}));
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, ByteStringsNeedRoomForTheirBytesAndCopyNoTerminator) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(Get(APS_dot11DesiredSSID, buffer, 3), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11DesiredSSID, nullptr, 8), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11DesiredSSID, buffer, 8), (Answer{0, 0, 4}));
    EXPECT_EQ(std::string(buffer, 8), "homexxxx");
}

TEST_F(SmtTest, ColumnsTheAdapterNeverDeliveredAreUnavailable) {
    // dot11CFPMaxDuration and dot11AuthenticationResponseTimeOut answer a set with 2; the rest -1.
    const int32_t value = 7;
    EXPECT_EQ(Get(APS_dot11CFPMaxDuration, nullptr, 0).status, APS_UNAVAILABLE);
    EXPECT_EQ(Set(APS_dot11CFPMaxDuration, &value, 4), (Answer{2, 0, 0}));
    EXPECT_EQ(Set(APS_dot11AuthenticationResponseTimeOut, &value, 4), (Answer{2, 0, 0}));
    EXPECT_EQ(Set(APS_dot11AssociationResponseTimeOut, &value, 4), (Answer{-1, 0, 0}));
    EXPECT_EQ(Get(APS_dot11AssociationResponseTimeOut, nullptr, 0).status, APS_UNAVAILABLE);
    EXPECT_EQ(root->Apply(APS_dot11AssociationResponseTimeOut), APS_OK) << "nothing to apply";
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, ReadOnlyColumnsRefuseSetsAndHaveNothingToApply) {
    const int32_t value = 1;
    const uint8_t mac[6] = {};
    for (MibId id : {APS_dot11CFPollable, APS_dot11PrivacyOptionImplemented,
                     APS_dot11DisassociateReason, APS_dot11DeauthenticateReason,
                     APS_dot11AuthenticateFailStatus}) {
        EXPECT_EQ(Set(id, &value, 4).status, APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Apply(id), APS_OK) << Hex32(id);
    }
    EXPECT_EQ(Set(APS_dot11DisassociateStation, mac, 6).status, APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, TruthValuesStoreOneForAnyNonZeroInput) {
    EXPECT_EQ(SetInt(APS_dot11ExcludeUnencrypted, 5).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11ExcludeUnencrypted), 1) << "before any apply";
    EXPECT_EQ(SetInt(APS_dot11PrivacyInvoked, -2).status, APS_OK);
    EXPECT_EQ(root->Apply(0x44504000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 44504080 1", "SetU32 44504200 1"}));
}

TEST_F(SmtTest, DisassociateRequestIsWriteOnlyAndPassedToSetBlock) {
    uint8_t buffer[4] = {1, 2, 3, 4};
    EXPECT_EQ(Get(APS_disassociateRequest, buffer, 4).status, APS_INVALID);
    EXPECT_EQ(Set(APS_disassociateRequest, buffer, 4), (Answer{0, 0, 4}));
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetBlock 44104A80 01020304"});
}

TEST_F(SmtTest, DesiredSsidRules) {
    const char ssid[40] = "0123456789abcdef0123456789abcdef!";
    EXPECT_EQ(Set(APS_dot11DesiredSSID, ssid, 33), (Answer{-1, 0, 0}));
    EXPECT_EQ(BytesOf(APS_dot11DesiredSSID), "home");
    EXPECT_EQ(root->Apply(APS_dot11DesiredSSID), APS_OK);
    EXPECT_TRUE(adapter->TakeCalls().empty()) << "a refused SSID is not dirty";

    EXPECT_EQ(Set(APS_dot11DesiredSSID, ssid, -1), (Answer{0, 0, 0}));
    EXPECT_EQ(BytesOf(APS_dot11DesiredSSID), "home");
    EXPECT_EQ(root->Apply(APS_dot11DesiredSSID), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetBytes 44104480 686f6d65"});

    EXPECT_EQ(Set(APS_dot11DesiredSSID, ssid, 32).status, APS_OK);
    EXPECT_EQ(BytesOf(APS_dot11DesiredSSID), std::string(ssid, 32));

    EXPECT_EQ(Set(APS_dot11DesiredSSID, nullptr, 10), (Answer{0, 0, 0}));
    EXPECT_EQ(BytesOf(APS_dot11DesiredSSID), "");
    EXPECT_EQ(root->Apply(APS_dot11DesiredSSID), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetBytes 44104480"});
}

TEST_F(SmtTest, OperationalRateSetNeedsAtLeastOneByte) {
    const uint8_t rates[4] = {0x02, 0x04, 0x0b, 0x16};
    EXPECT_EQ(Set(APS_dot11OperationalRateSet, rates, 0), (Answer{-1, kRejected, 0}));
    EXPECT_EQ(Set(APS_dot11OperationalRateSet, nullptr, 4), (Answer{-1, kRejected, 0}));
    EXPECT_EQ(Set(APS_dot11OperationalRateSet, rates, 4), (Answer{0, 0, 0}));
    EXPECT_EQ(root->Apply(0x44104000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetBytes 44104580 02040b16"});
}

TEST_F(SmtTest, ApplyWritesOnlyDirtyColumnsInColumnOrder) {
    EXPECT_EQ(SetInt(APS_dot11DesiredBSSType, 2).status, APS_OK);
    EXPECT_EQ(Set(APS_dot11DesiredSSID, "work", 4).status, APS_OK);
    EXPECT_EQ(root->Apply(0x44104000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), (std::vector<std::string>{"SetBytes 44104480 776f726b",
                                                              "SetU32 44104500 2"}));
    EXPECT_EQ(root->Apply(0x44104000u), APS_OK);
    EXPECT_EQ(root->Apply(APS_dot11DesiredBSSType), APS_OK);
    EXPECT_TRUE(adapter->calls.empty()) << "clean columns make no request";
}

TEST_F(SmtTest, FailedApplyKeepsTheColumnDirty) {
    EXPECT_EQ(SetInt(APS_dot11BeaconPeriod, 200).status, APS_OK);
    adapter->forced[APS_dot11BeaconPeriod] = APS_UNAVAILABLE;
    EXPECT_EQ(root->Apply(APS_dot11BeaconPeriod), APS_UNAVAILABLE);
    adapter->forced.clear();
    EXPECT_EQ(root->Apply(APS_disassociateRequest), APS_OK) << "runs the table's walk";
    EXPECT_EQ(root->Apply(APS_dot11BeaconPeriod), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 44104600 200", "SetU32 44104600 200"}));
    EXPECT_EQ(IntOf(APS_dot11BeaconPeriod), 200) << "apply does not re-read";
}

TEST_F(SmtTest, RefreshDiscardsAnUnappliedSetAndAFailedReadChangesNothing) {
    EXPECT_EQ(SetInt(APS_dot11DTIMPeriod, 9).status, APS_OK);
    adapter->forced[APS_dot11DTIMPeriod] = APS_UNAVAILABLE;
    EXPECT_EQ(root->Refresh(APS_dot11DTIMPeriod), APS_UNAVAILABLE);
    EXPECT_EQ(IntOf(APS_dot11DTIMPeriod), 9);
    adapter->forced.clear();
    EXPECT_EQ(root->Refresh(APS_dot11DTIMPeriod), APS_OK);
    EXPECT_EQ(IntOf(APS_dot11DTIMPeriod), 2);
    adapter->calls.clear();
    EXPECT_EQ(root->Apply(APS_dot11DTIMPeriod), APS_OK);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, IdentifiersAreMatchedOnTheColumnLevel) {
    int32_t value = 0;
    EXPECT_EQ(Get(APS_dot11MediumOccupancyLimit | 0x55, &value, 4).status, APS_OK);
    EXPECT_EQ(value, 100);
    for (MibId id : {0x44104000u, 0x44100000u, 0x44000000u, 0x44104B00u, 0x44108080u})
        EXPECT_EQ(Get(id, &value, 4), (Answer{3, 0, 0})) << Hex32(id);
}

// --- authentication algorithms ---------------------------------------------------------------

TEST_F(SmtTest, AuthenticationRowsHoldTheSixAlgorithmsAndTheAdaptersFlags) {
    const int32_t expectedEnable[8] = {1, 1, 1, 0, 0, 0, 0, 0};
    for (int32_t row = 0; row < 8; ++row) {
        ASSERT_EQ(SetInt(APS_dot11AuthenticationAlgorithmsIndex, row).status, APS_OK);
        EXPECT_EQ(IntOf(APS_dot11AuthenticationAlgorithm), row < 6 ? row + 1 : 0) << row;
        EXPECT_EQ(IntOf(APS_dot11AuthenticationAlgorithmsEnable), expectedEnable[row]) << row;
    }
    EXPECT_EQ(SetInt(APS_dot11AuthenticationAlgorithmsIndex, 8), (Answer{2, kRejected, 0}));
    EXPECT_EQ(Set(APS_dot11AuthenticationAlgorithmsIndex, "ab", 2), (Answer{2, 4, 0}));
    EXPECT_EQ(SetInt(APS_dot11AuthenticationAlgorithm, 3).status, APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, AuthenticationEnableIsAppliedAsSixFlags) {
    ASSERT_EQ(SetInt(APS_dot11AuthenticationAlgorithmsIndex, 3).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11AuthenticationAlgorithmsEnable, 5).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11AuthenticationAlgorithmsEnable), 1);
    EXPECT_EQ(root->Apply(APS_dot11AuthenticationAlgorithmsIndex), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11AuthenticationAlgorithm), APS_INVALID);
    adapter->forced = {};
    adapter->operationStatus["SetAuthMode"] = APS_UNAVAILABLE;
    EXPECT_EQ(root->Apply(APS_dot11AuthenticationAlgorithmsEnable), APS_UNAVAILABLE);
    adapter->operationStatus.clear();
    EXPECT_EQ(root->Apply(0x44200000u), APS_OK) << "still dirty after the failure";
    EXPECT_EQ(root->Apply(0x44204000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetAuthMode 111100", "SetAuthMode 111100"}));
}

TEST_F(SmtTest, AuthenticationRefreshKeepsTheRow) {
    ASSERT_EQ(SetInt(APS_dot11AuthenticationAlgorithmsIndex, 4).status, APS_OK);
    adapter->auth = {0, 0, 0, 0, 1, 0};
    EXPECT_EQ(root->Refresh(APS_dot11AuthenticationAlgorithmsIndex), APS_INVALID);
    EXPECT_EQ(root->Refresh(APS_dot11AuthenticationAlgorithmsEnable), APS_OK);
    EXPECT_EQ(IntOf(APS_dot11AuthenticationAlgorithmsIndex), 4);
    EXPECT_EQ(IntOf(APS_dot11AuthenticationAlgorithmsEnable), 1);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"GetAuthMode"});
}

// --- WEP default keys ------------------------------------------------------------------------

TEST_F(SmtTest, KeysAreZerosAfterBindingAndTheIndexRunsFromOneToFour) {
    uint8_t key[8];
    EXPECT_EQ(IntOf(APS_dot11WEPDefaultKeyIndex), 1);
    EXPECT_EQ(Get(APS_dot11WEPDefaultKeyValue, key, 4), (Answer{2, 5, 0}));
    EXPECT_EQ(Get(APS_dot11WEPDefaultKeyValue, key, 8), (Answer{0, 0, 5}));
    EXPECT_EQ(Hex(key, 5), "0000000000");
    EXPECT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 0), (Answer{2, 0, 0}));
    EXPECT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 5), (Answer{2, 0, 0}));
    EXPECT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 4), (Answer{0, 0, 4}));
    EXPECT_EQ(Set(APS_dot11WEPDefaultKeyValue, "abcd", 4), (Answer{2, 5, 0}));
    EXPECT_EQ(Set(APS_dot11WEPDefaultKeyValue, nullptr, 5), (Answer{2, 5, 0}));
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, ApplyingOneKeySendsAllFour) {
    ASSERT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 2).status, APS_OK);
    ASSERT_EQ(Set(APS_dot11WEPDefaultKeyValue, "\x11\x22\x33\x44\x55\x66", 6).status, APS_OK);
    EXPECT_EQ(root->Apply(APS_dot11WEPDefaultKeyIndex), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11WEPDefaultKeyValue), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"AddWepKey 0 0000000000", "AddWepKey 1 112233445566",
                                        "AddWepKey 2 0000000000", "AddWepKey 3 0000000000"}));
    EXPECT_EQ(root->Apply(0x44304000u), APS_OK);
    EXPECT_TRUE(adapter->calls.empty()) << "clean after success";
}

TEST_F(SmtTest, AFailedKeyStopsTheApplyAndKeepsTheKeysDirty) {
    ASSERT_EQ(Set(APS_dot11WEPDefaultKeyValue, "12345", 5).status, APS_OK);
    adapter->operationStatus["AddWepKey"] = APS_NOT_READY;
    EXPECT_EQ(root->Apply(0x44304000u), APS_NOT_READY);
    EXPECT_EQ(adapter->TakeCalls().size(), 1u);
    adapter->operationStatus.clear();
    EXPECT_EQ(root->Apply(0x44304000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls().size(), 4u);
}

TEST_F(SmtTest, RefreshingTheKeyValueResetsEveryKeyWithoutAskingTheAdapter) {
    ASSERT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 3).status, APS_OK);
    ASSERT_EQ(Set(APS_dot11WEPDefaultKeyValue, "secret", 6).status, APS_OK);
    EXPECT_EQ(root->Refresh(APS_dot11WEPDefaultKeyIndex), APS_INVALID);
    EXPECT_EQ(root->Refresh(APS_dot11WEPDefaultKeyValue), APS_OK);
    EXPECT_EQ(IntOf(APS_dot11WEPDefaultKeyIndex), 1);
    EXPECT_EQ(SetInt(APS_dot11WEPDefaultKeyIndex, 3).status, APS_OK);
    EXPECT_EQ(Hex(BytesOf(APS_dot11WEPDefaultKeyValue).data(), 5), "0000000000");
    EXPECT_EQ(root->Apply(0x44304000u), APS_OK);
    EXPECT_TRUE(adapter->calls.empty()) << "nothing left to apply";
}

// --- key mappings, privacy, notification --------------------------------------------------------

TEST_F(SmtTest, KeyMappingsHoldNoValues) {
    int32_t value = 0;
    for (MibId id = APS_dot11WEPKeyMappingIndex; id <= APS_dot11WEPKeyMappingStatus; id += 0x80) {
        EXPECT_EQ(Get(id, &value, 4).status, APS_UNAVAILABLE) << Hex32(id);
        EXPECT_EQ(Set(id, &value, 4).status, APS_UNAVAILABLE) << Hex32(id);
        EXPECT_EQ(root->Apply(id), APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Refresh(id), APS_INVALID) << Hex32(id);
    }
    EXPECT_EQ(Get(0x44404300u, &value, 4).status, APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(SmtTest, PrivacyCountersAreReadOnlyAndTheWalksSkipThem) {
    const int32_t value = 1;
    EXPECT_EQ(Set(APS_dot11WEPICVErrorCount, &value, 4).status, APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11WEPExcludedCount), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11PrivacyInvoked), APS_OK) << "clean";
    EXPECT_EQ(root->Refresh(0x44504000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetU32 44504080", "GetU32 44504100", "GetU32 44504180",
                                        "GetU32 44504200", "GetCounter 44504280",
                                        "GetCounter 44504300", "GetU32 44504380"}));
    for (MibId id : {APS_dot11PrivacyInvoked, APS_dot11WEPDefaultKeyID,
                     APS_dot11WEPKeyMappingLength, APS_dot11ExcludeUnencrypted, APS_encryptionStatus})
        ASSERT_EQ(SetInt(id, 11).status, id == APS_dot11WEPDefaultKeyID ? 2 : 0) << Hex32(id);
    EXPECT_EQ(root->Apply(0x44504000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 44504080 1", "SetU32 44504180 11",
                                        "SetU32 44504200 1", "SetU32 44504380 11"}));
}

TEST_F(SmtTest, NotificationArcAnswersNothing) {
    int32_t value = 0;
    EXPECT_EQ(Get(0x44604080u, &value, 4).status, APS_INVALID);
    EXPECT_EQ(Set(0x44600000u, &value, 4).status, APS_INVALID);
    EXPECT_EQ(root->Apply(0x44604080u), APS_INVALID);
    EXPECT_EQ(root->Refresh(0x44600000u), APS_INVALID);
}

TEST_F(SmtTest, BranchWalksApplyPropagatingAndRefreshQuietly) {
    ASSERT_EQ(SetInt(APS_dot11BeaconPeriod, 50).status, APS_OK);
    adapter->everything = APS_NOT_READY;
    EXPECT_EQ(root->Refresh(0x44000000u), APS_OK);
    EXPECT_EQ(root->Apply(0x44000000u), APS_NOT_READY);
    EXPECT_EQ(root->Refresh(0x44104000u), APS_NOT_READY);
}

}  // namespace
}  // namespace mib_test
