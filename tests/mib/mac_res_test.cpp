// dot11mac and dot11res through the tree on a fake adapter: operation table ranges and walks,
// live counters, group addresses, the resource type constant and the resource info table.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

namespace mib_test {
namespace {

using namespace halvora;

class MacResTest : public MibTest {
protected:
    void SetUp() override {
        adapter->macs[APS_dot11MACAddress] = {0x00, 0x0b, 0x6b, 0x01, 0x02, 0x03};
        for (MibId id = APS_dot11RTSThreshold; id <= APS_dot11MaxReceiveLifetime; id += 0x80)
            adapter->numbers[id] = 300;
        adapter->numbers[APS_dot11RTSThreshold] = 2347;
        adapter->bytes[APS_dot11ManufacturerID] = "Brevane Corporation.";
        adapter->bytes[APS_dot11ProductID] = "802.11 Wireless LAN Adapter.";
        adapter->numbers[APS_dot11FCSErrorCount] = 17;
        adapter->bytes[APS_dot11manufacturerOUI] = "Nds80211";
        adapter->bytes[APS_dot11manufacturerName] = "Test Radio Works";
        adapter->blocks[APS_driverVersion] = std::string("\x01\x02\x03\x04", 4);
        Bind();
    }
};

TEST_F(MacResTest, SettingsAnswerFromTheCacheAndCountersFromTheAdapter) {
    EXPECT_EQ(IntOf(APS_dot11RTSThreshold), 2347);
    EXPECT_TRUE(adapter->calls.empty());
    EXPECT_EQ(IntOf(APS_dot11FCSErrorCount), 17);
    adapter->numbers[APS_dot11FCSErrorCount] = 18;
    EXPECT_EQ(IntOf(APS_dot11FCSErrorCount), 18);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetCounter 48204600", "GetCounter 48204600"}));
}

TEST_F(MacResTest, CountersAskTheAdapterBeforeLookingAtTheBuffer) {
    uint8_t buffer[8];
    EXPECT_EQ(Get(APS_dot11FCSErrorCount, buffer, 8), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_dot11FailedCount, buffer, 8), (Answer{-1, 0, 0})) << "not supported";
    EXPECT_EQ(adapter->calls.size(), 2u);
    const int32_t value = 0;
    EXPECT_EQ(Set(APS_dot11FCSErrorCount, &value, 4).status, APS_INVALID);
    EXPECT_EQ(Get(0x48204D00u, buffer, 4).status, APS_INVALID) << "past the last counter";
    for (MibId id : {APS_dot11FCSErrorCount, 0x48204000u, 0x48200000u}) {
        EXPECT_EQ(root->Apply(id), APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Refresh(id), APS_INVALID) << Hex32(id);
    }
}

TEST_F(MacResTest, OperationTableAppliesColumnsTwoToSevenWithTheOperationOfTheirKind) {
    ASSERT_EQ(SetInt(APS_dot11MaxReceiveLifetime, 600).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11RTSThreshold, 1000).status, APS_OK);
    EXPECT_EQ(root->Apply(0x48000000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), (std::vector<std::string>{"SetU32 48104100 1000",
                                                              "SetCounter 48104380 600"}));
    const uint8_t mac[6] = {};
    EXPECT_EQ(Set(APS_dot11MACAddress, mac, 6).status, APS_INVALID);
    EXPECT_EQ(Set(APS_dot11ProductID, "x", 1).status, APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11MACAddress), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11ManufacturerID), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11ShortRetryLimit), APS_OK) << "clean";
    EXPECT_EQ(BytesOf(APS_dot11ManufacturerID), "Brevane Corporation.");
}

TEST_F(MacResTest, OperationRefreshHidesFailures) {
    adapter->everything = APS_NOT_READY;
    EXPECT_EQ(root->Refresh(0x48104000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls().size(), 1u) << "stopped at the first column";
    EXPECT_EQ(root->Refresh(APS_dot11RTSThreshold), APS_NOT_READY);
    EXPECT_EQ(IntOf(APS_dot11RTSThreshold), 2347);
}

TEST_F(MacResTest, GroupAddressesHoldNoValues) {
    int32_t value = 0;
    for (MibId id : {APS_dot11GroupAddressesIndex, APS_dot11Address, APS_dot11GroupAddressesStatus}) {
        EXPECT_EQ(Get(id, &value, 4).status, APS_UNAVAILABLE);
        EXPECT_EQ(Set(id, &value, 4).status, APS_UNAVAILABLE);
        EXPECT_EQ(root->Apply(id), APS_INVALID);
    }
    EXPECT_EQ(Get(0x48304200u, &value, 4).status, APS_INVALID);
}

TEST_F(MacResTest, ResourceTypeIdIsAConstantWithItsTerminator) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(Get(APS_dot11ResourceTypeIDName, buffer, 4), (Answer{2, 5, 0}));
    EXPECT_EQ(Get(APS_dot11ResourceTypeIDName, buffer, 8), (Answer{0, 0, 5}));
    EXPECT_EQ(std::string(buffer, 6), std::string("RTID\0x", 6));
    EXPECT_EQ(Set(APS_dot11ResourceTypeIDName, buffer, 5).status, APS_INVALID);
    EXPECT_EQ(root->Refresh(APS_dot11ResourceTypeIDName), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11ResourceTypeIDName), APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(MacResTest, ResourceInfoColumnsAreMatchedOnTheWholeIdentifier) {
    char buffer[32];
    EXPECT_EQ(BytesOf(APS_dot11manufacturerName), "Test Radio Works");
    EXPECT_EQ(Get(APS_dot11manufacturerProductName, buffer, 32).status, APS_UNAVAILABLE);
    EXPECT_EQ(Get(APS_driverVersion, buffer, 3), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_driverVersion, buffer, 32), (Answer{0, 0, 4}));
    EXPECT_EQ(Hex(buffer, 4), "01020304");
    for (MibId id : {0x4C108080u, 0x4C108086u, 0x4C108100u, 0x4C10C000u})
        EXPECT_EQ(Get(id, buffer, 32).status, APS_INVALID) << Hex32(id);
    EXPECT_EQ(Set(APS_dot11manufacturerName, "x", 1).status, APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(MacResTest, ResourceInfoRefreshesOneColumnOrAll) {
    EXPECT_EQ(root->Refresh(APS_dot11manufacturerName), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"GetBytes 4C108082"});
    EXPECT_EQ(root->Refresh(0x4C000000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetBytes 4C108081", "GetBytes 4C108082", "GetBytes 4C108083",
                                        "GetBytes 4C108084", "GetBlock 4C108085 4"}));
    EXPECT_EQ(root->Apply(0x4C000000u), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11manufacturerName), APS_INVALID);
}

}  // namespace
}  // namespace mib_test
