// Every range check of the cached columns: an accepted value is cached and applied once, a
// rejected one answers 2 with needed 0xFFFFFFFF and leaves the column clean and as it was.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

namespace mib_test {
namespace {

using namespace halvora;

struct RangeCase {
    MibId id;
    int32_t value;
    bool accepted;
};

class Ranges : public MibTest, public ::testing::WithParamInterface<RangeCase> {
protected:
    void SetUp() override {
        adapter->answerAll = true;
        Bind();
    }
};

TEST_P(Ranges, AcceptedValuesAreCachedRejectedOnesChangeNothing) {
    const RangeCase& c = GetParam();
    const int32_t before = IntOf(c.id);
    const Answer answer = SetInt(c.id, c.value);
    if (c.accepted) {
        EXPECT_EQ(answer, (Answer{0, 0, 0}));
        EXPECT_EQ(IntOf(c.id), c.value);
        EXPECT_EQ(root->Apply(c.id), APS_OK);
        EXPECT_EQ(adapter->calls.size(), 1u);
    } else {
        EXPECT_EQ(answer, (Answer{2, kRejected, 0}));
        EXPECT_EQ(IntOf(c.id), before);
        EXPECT_EQ(root->Apply(c.id), APS_OK) << "nothing to apply";
        EXPECT_TRUE(adapter->calls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    StationManagement, Ranges,
    ::testing::Values(RangeCase{APS_dot11MediumOccupancyLimit, 1000, true},
                      RangeCase{APS_dot11MediumOccupancyLimit, 1001, false},
                      RangeCase{APS_dot11MediumOccupancyLimit, -1, false},
                      RangeCase{APS_dot11CFPPeriod, 255, true},
                      RangeCase{APS_dot11CFPPeriod, 256, false},
                      RangeCase{APS_dot11CFPMaxDuration, 65535, true},
                      RangeCase{APS_dot11CFPMaxDuration, 65536, false},
                      RangeCase{APS_dot11AuthenticationResponseTimeOut, -1, true},
                      RangeCase{APS_dot11PowerManagementMode, 0, false},
                      RangeCase{APS_dot11PowerManagementMode, 2, true},
                      RangeCase{APS_dot11PowerManagementMode, 3, false},
                      RangeCase{APS_dot11DesiredBSSType, 0, false},
                      RangeCase{APS_dot11DesiredBSSType, 3, true},
                      RangeCase{APS_dot11DesiredBSSType, 4, false},
                      RangeCase{APS_dot11BeaconPeriod, 0, false},
                      RangeCase{APS_dot11BeaconPeriod, 65535, true},
                      RangeCase{APS_dot11DTIMPeriod, 256, false},
                      RangeCase{APS_dot11AssociationResponseTimeOut, -5, true},
                      RangeCase{APS_dot11WEPDefaultKeyID, 3, true},
                      RangeCase{APS_dot11WEPDefaultKeyID, 4, false},
                      RangeCase{APS_dot11WEPDefaultKeyID, -1, false},
                      RangeCase{APS_dot11WEPKeyMappingLength, 9, false},
                      RangeCase{APS_dot11WEPKeyMappingLength, 10, true},
                      RangeCase{APS_dot11WEPKeyMappingLength, -1, true},
                      RangeCase{APS_encryptionStatus, -7, true}));

INSTANTIATE_TEST_SUITE_P(
    Mac, Ranges,
    ::testing::Values(RangeCase{APS_dot11RTSThreshold, 3000, true},
                      RangeCase{APS_dot11RTSThreshold, 3001, false},
                      RangeCase{APS_dot11RTSThreshold, -1, false},
                      RangeCase{APS_dot11ShortRetryLimit, 255, true},
                      RangeCase{APS_dot11ShortRetryLimit, 256, false},
                      RangeCase{APS_dot11LongRetryLimit, 0, true},
                      RangeCase{APS_dot11FragmentationThreshold, 255, false},
                      RangeCase{APS_dot11FragmentationThreshold, 256, true},
                      RangeCase{APS_dot11FragmentationThreshold, 2432, true},
                      RangeCase{APS_dot11FragmentationThreshold, 2433, false},
                      RangeCase{APS_dot11MaxTransmitMSDULifetime, 0, false},
                      RangeCase{APS_dot11MaxTransmitMSDULifetime, -1, true},
                      RangeCase{APS_dot11MaxReceiveLifetime, 0, false}));

INSTANTIATE_TEST_SUITE_P(
    Phy, Ranges,
    ::testing::Values(RangeCase{APS_dot11CurrentChannel, 0, false},
                      RangeCase{APS_dot11CurrentChannel, 1, true},
                      RangeCase{APS_dot11CurrentChannel, 14, true},
                      RangeCase{APS_dot11CurrentChannel, 15, false},
                      RangeCase{APS_dot11CurrentCCAMode, 1, true},
                      RangeCase{APS_dot11CurrentCCAMode, 2, true},
                      RangeCase{APS_dot11CurrentCCAMode, 3, false},
                      RangeCase{APS_dot11CurrentCCAMode, 4, true},
                      RangeCase{APS_dot11CurrentCCAMode, 0, false},
                      RangeCase{APS_dot11CurrentCCAMode, 36, false},
                      RangeCase{APS_dot11CurrentFrequency, 9999999, true},
                      RangeCase{APS_dot11CurrentFrequency, 10000000, false},
                      RangeCase{APS_dot11CurrentFrequency, -1, false},
                      RangeCase{APS_dot11CurrentTxAntenna, 0, false},
                      RangeCase{APS_dot11CurrentRxAntenna, 255, true},
                      RangeCase{APS_dot11CurrentTxPowerLevel, 8, true},
                      RangeCase{APS_dot11CurrentTxPowerLevel, 9, false},
                      RangeCase{APS_dot11CurrentChannelNumber, 99, true},
                      RangeCase{APS_dot11CurrentChannelNumber, 100, false},
                      RangeCase{APS_dot11CurrentDwellTime, 0, false},
                      RangeCase{APS_dot11CurrentPattern, 0, true},
                      RangeCase{APS_dot11CurrentIndex, 0, false},
                      RangeCase{APS_dot11EDThreshold, -100, true},
                      RangeCase{APS_dot11CCAWatchdogCountMin, -1, true},
                      RangeCase{APS_dot11TIThreshold, -1, true}));

}  // namespace
}  // namespace mib_test
