// dot11phy through the tree on a fake adapter: ranges, the walks of each table, the row tables
// (rates and regulatory domains), the antenna list and the OFDM table.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

namespace mib_test {
namespace {

using namespace halvora;

class PhyTest : public MibTest {
protected:
    void SetUp() override {
        adapter->answerAll = true;
        adapter->numbers[APS_dot11FrequencyBandsSupported] = 0x0F;
        adapter->numbers[APS_dot11CurrentChannel] = 6;
        Bind();
    }
};

TEST_F(PhyTest, ReadOnlyColumnsRefuseSetAndApply) {
    for (MibId id : {APS_dot11PHYType, APS_dot11TempType, APS_supportedPhyModes,
                     APS_dot11DiversitySupport, APS_dot11TxPowerLevel1, APS_dot11TxPowerLevel8,
                     APS_dot11HopTime, APS_dot11CCAModeSupported,
                     APS_dot11FrequencyBandsSupported}) {
        EXPECT_EQ(SetInt(id, 1).status, APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Apply(id), APS_INVALID) << Hex32(id);
    }
    EXPECT_EQ(root->Apply(APS_dot11CurrentRegDomain), APS_OK) << "clean";
}

TEST_F(PhyTest, FrequencyBandsAnswerTheirLowThreeBits) {
    EXPECT_EQ(IntOf(APS_dot11FrequencyBandsSupported), 7);
}

TEST_F(PhyTest, OfdmColumnsAreMatchedOnTheWholeIdentifier) {
    int32_t value = 0;
    EXPECT_EQ(Get(APS_dot11CurrentFrequency | 1, &value, 4).status, APS_INVALID);
    EXPECT_EQ(Get(APS_dot11CurrentChannel | 1, &value, 4).status, APS_OK);
    EXPECT_EQ(value, 6);
}

TEST_F(PhyTest, TxPowerAppliesOnlyTheCurrentLevel) {
    ASSERT_EQ(SetInt(APS_dot11CurrentTxPowerLevel, 3).status, APS_OK);
    EXPECT_EQ(root->Apply(APS_dot11TxPowerLevel1), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11CurrentTxPowerLevel), APS_OK);
    EXPECT_EQ(root->Apply(APS_dot11CurrentTxPowerLevel), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetU32 50304500 3"});
}

// Walks whose result is kept only when it is in the stop set, and the two tables whose stop set
// holds -1.
TEST_F(PhyTest, TableWalksAndTheirStopSets) {
    ASSERT_EQ(SetInt(APS_dot11CurrentRegDomain, 5).status, APS_OK);
    adapter->forced[APS_dot11CurrentRegDomain] = APS_UNAVAILABLE;
    EXPECT_EQ(root->Apply(0x50104000u), APS_OK) << "-1 is not passed on";
    adapter->forced[APS_dot11CurrentRegDomain] = APS_NOT_READY;
    EXPECT_EQ(root->Apply(0x50104000u), APS_NOT_READY);
    adapter->TakeCalls();

    adapter->forced = {{APS_dot11CCAModeSupported, APS_UNAVAILABLE}};
    EXPECT_EQ(root->Refresh(0x50504000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetU32 50504080", "GetU32 50504100"}))
        << "-1 stops the DSSS refresh";

    for (MibId id = APS_dot11CCAWatchdogTimerMax; id <= APS_dot11CCAWatchdogCountMin; id += 0x80)
        ASSERT_EQ(SetInt(id, 1).status, APS_OK);
    adapter->forced = {{APS_dot11CCAWatchdogCountMax, APS_UNAVAILABLE}};
    EXPECT_EQ(root->Apply(0x50604000u), APS_UNAVAILABLE);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 50604080 1", "SetU32 50604100 1"}))
        << "-1 stops the IR apply";
    adapter->forced = {{APS_dot11CCAWatchdogTimerMax, APS_UNAVAILABLE}};
    EXPECT_EQ(root->Refresh(0x50604000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls().size(), 4u) << "but not its refresh";
}

TEST_F(PhyTest, OfdmRefreshDropsEveryUnappliedChange) {
    ASSERT_EQ(SetInt(APS_dot11CurrentFrequency, 2412000).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11TIThreshold, 9).status, APS_OK);
    adapter->forced = {{APS_dot11TIThreshold, APS_UNAVAILABLE}};
    EXPECT_EQ(root->Refresh(0x50B04000u), APS_OK);
    EXPECT_EQ(IntOf(APS_dot11TIThreshold), 9) << "its read failed";
    adapter->forced.clear();
    adapter->TakeCalls();
    EXPECT_EQ(root->Apply(0x50B04000u), APS_OK);
    EXPECT_TRUE(adapter->calls.empty()) << "nothing dirty";
}

TEST_F(PhyTest, RateRowsRunFromOneToEight) {
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesTxIndex), 1);
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesTxValue), 2);
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesTxIndex, 0), (Answer{2, kRejected, 0}));
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesTxIndex, 9), (Answer{2, kRejected, 0}));
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesTxIndex, 8).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesTxValue), 36);
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesRxIndex, 3).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesRxValue), 11);
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesTxValue, 4).status, APS_INVALID);
    EXPECT_EQ(root->Refresh(APS_dot11SupportedDataRatesTxIndex), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11SupportedDataRatesTxIndex), APS_INVALID);
    EXPECT_TRUE(adapter->calls.empty());

    adapter->txRates[7] = 48;
    EXPECT_EQ(root->Refresh(APS_dot11SupportedDataRatesTxValue), APS_OK);
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesTxIndex), 1) << "a refresh resets the row";
    EXPECT_EQ(SetInt(APS_dot11SupportedDataRatesTxIndex, 8).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11SupportedDataRatesTxValue), 48);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"GetTxRates"});
}

TEST_F(PhyTest, RegulatoryDomainRowsAreBoundedByTheReportedCount) {
    EXPECT_EQ(IntOf(APS_dot11RegDomainsSupportIndex), 0);
    EXPECT_EQ(IntOf(APS_dot11RegDomainsSupportValue), 0x10);
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportIndex, 3), (Answer{2, kRejected, 0}));
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportIndex, 2), (Answer{0, 0, 0}));
    EXPECT_EQ(IntOf(APS_dot11RegDomainsSupportValue), 0x40);
    EXPECT_EQ(Set(APS_dot11RegDomainsSupportValue, "ab", 2), (Answer{2, 4, 0}));
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportValue, 0x31), (Answer{0, 4, 0}));
    EXPECT_EQ(IntOf(APS_dot11RegDomainsSupportValue), 0x40) << "the cache is not changed";
    EXPECT_EQ(root->Refresh(APS_dot11RegDomainsSupportIndex), APS_INVALID);
    EXPECT_EQ(root->Apply(APS_dot11RegDomainsSupportValue), APS_INVALID);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"SetRegDomains 2 49"});
}

TEST_F(PhyTest, RegulatoryDomainCountIsClampedToTheTable) {
    adapter->regDomains.assign(16, 0x20);
    adapter->regDomainCount = 40;
    ASSERT_EQ(root->Refresh(APS_dot11RegDomainsSupportValue), APS_OK);
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportIndex, 15).status, APS_OK);
    EXPECT_EQ(IntOf(APS_dot11RegDomainsSupportValue), 0x20);
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportIndex, 16), (Answer{2, kRejected, 0}));

    adapter->regDomainCount = 0;
    EXPECT_EQ(root->Refresh(0x50704000u), APS_OK);
    int32_t value = 0;
    EXPECT_EQ(Get(APS_dot11RegDomainsSupportIndex, &value, 4).status, APS_UNAVAILABLE);
    EXPECT_EQ(Get(APS_dot11RegDomainsSupportValue, &value, 4).status, APS_UNAVAILABLE);
    EXPECT_EQ(SetInt(APS_dot11RegDomainsSupportIndex, 0).status, APS_UNAVAILABLE);

    adapter->operationStatus["GetRegDomains"] = APS_NOT_READY;
    EXPECT_EQ(root->Refresh(0x50704000u), APS_NOT_READY);
}

TEST_F(PhyTest, AntennaListIsNeverFilled) {
    int32_t value = 1;
    for (MibId id = APS_dot11AntennaListIndex; id <= APS_dot11DiversitySelectionRx; id += 0x80) {
        EXPECT_EQ(Get(id, &value, 4).status, APS_UNAVAILABLE) << Hex32(id);
        EXPECT_EQ(Set(id, &value, 4).status, APS_UNAVAILABLE) << Hex32(id);
        EXPECT_EQ(root->Refresh(id), APS_OK) << Hex32(id);
        EXPECT_EQ(root->Apply(id), APS_INVALID) << Hex32(id);
    }
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(PhyTest, BranchRefreshWalksTheTablesInOrder) {
    adapter->answerAll = true;
    EXPECT_EQ(root->Refresh(0x50000000u), APS_OK);
    const std::vector<std::string> tables = TablesOf(adapter->TakeCalls());
    EXPECT_EQ(tables, (std::vector<std::string>{"50104", "50204", "50304", "50404", "50504",
                                                 "50604", "GetRegDomains", "GetTxRates",
                                                 "GetRxRates", "50B04"}));
}

}  // namespace
}  // namespace mib_test
