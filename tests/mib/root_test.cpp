// The root and the groups above the tables: bind and walk orders seen as the adapter calls they
// make, routing by family, the reserved family, and ownership of the instance.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

namespace mib_test {
namespace {

using namespace halvora;

const std::vector<std::string> kBindOrder = {
    "D0104", "D0204", "D0504",                                    // chipset-private
    "44504", "GetAuthMode", "44104",                              // dot11smt, 0x446 down to 0x441
    "48104",                                                      // dot11mac
    "4C108",                                                      // dot11res
    "GetRxRates", "GetTxRates", "GetRegDomains", "50604", "50504",  // dot11phy, 0x50A down...
    "50404", "50304", "50204", "50104", "50B04"};                 // ... to 0x501, then 0x50B

const std::vector<std::string> kWalkOrder = {
    "D0104", "D0204", "D0504", "44104", "GetAuthMode", "44504", "48104", "4C108",
    "50104", "50204", "50304", "50404", "50504", "50604", "GetRegDomains", "GetTxRates",
    "GetRxRates", "50B04"};

TEST_F(MibTest, BindReadsEveryCachedTableInBindOrder) {
    adapter->answerAll = true;
    root->BindOwned();
    EXPECT_EQ(TablesOf(adapter->TakeCalls()), kBindOrder);
}

TEST_F(MibTest, RefreshOfTheWholeMibWalksPrivateThenStandard) {
    adapter->answerAll = true;
    Bind();
    for (MibId id : {0u, 0x12345678u, 0x3FFFFFFFu}) {
        EXPECT_EQ(root->Refresh(id), APS_OK) << Hex32(id);
        EXPECT_EQ(TablesOf(adapter->TakeCalls()), kWalkOrder) << Hex32(id);
    }
}

TEST_F(MibTest, NotReadyStopsTheWholeRefreshInTheChipsetTablesBeforeAnyStandardRequest) {
    adapter->answerAll = true;
    Bind();
    adapter->everything = APS_NOT_READY;
    EXPECT_EQ(root->Refresh(0), APS_NOT_READY);
    EXPECT_EQ(adapter->TakeCalls(), std::vector<std::string>{"GetU32 D0104080"});
}

TEST_F(MibTest, ApplyOfTheWholeMibWritesEveryChangedValue) {
    adapter->answerAll = true;
    Bind();
    ASSERT_EQ(SetInt(APS_rtTxBurst, 1).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11CurrentChannel, 11).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11RTSThreshold, 500).status, APS_OK);
    ASSERT_EQ(SetInt(APS_dot11DesiredBSSType, 2).status, APS_OK);
    EXPECT_EQ(root->Apply(0), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 D0504080 1", "SetU32 44104500 2",
                                        "SetU32 48104100 500", "SetU32 50504080 11"}));
    EXPECT_EQ(root->Apply(0), APS_OK);
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(MibTest, ReservedFamilyIsEmpty) {
    Bind();
    int32_t value = 0;
    EXPECT_EQ(Get(0x80000080u, &value, 4).status, APS_UNAVAILABLE);
    EXPECT_EQ(Set(0xBFFFFFFFu, &value, 4).status, APS_UNAVAILABLE);
    EXPECT_EQ(root->Apply(0x80000000u), APS_INVALID);
    EXPECT_EQ(root->Apply(0x80000080u), APS_INVALID);
    EXPECT_EQ(root->Refresh(0x80000000u), APS_INVALID);
}

TEST_F(MibTest, IdentifiersOutsideEveryFamilyOrAboveTheLeavesAreInvalid) {
    Bind();
    int32_t value = 0;
    for (MibId id : {0u, 0x3FFFFFFFu, 0x40000000u, 0x44000000u, 0x44100000u, 0x44104000u,
                     0x54000000u, 0xC0000000u, 0xE0000000u, 0xD0600000u}) {
        uint32_t needed = 7, written = 7;
        EXPECT_EQ(root->Get(id, &value, 4, &needed, &written), APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Set(id, &value, 4, &needed, &written), APS_INVALID) << Hex32(id);
    }
}

TEST_F(MibTest, BeforeBindingNothingReachesAnAdapter) {
    EXPECT_EQ(root->Refresh(0), APS_NOT_BOUND);
    EXPECT_EQ(root->Apply(0), APS_NOT_BOUND) << "the authentication table asks first";
    int32_t value = 0;
    EXPECT_EQ(Get(APS_mediaConnected, &value, 4).status, APS_NOT_BOUND);
    EXPECT_EQ(Get(APS_dot11RTSThreshold, &value, 4).status, APS_UNAVAILABLE);
    EXPECT_EQ(Set(APS_disassociateRequest, &value, 4).status, APS_NOT_BOUND);
    EXPECT_EQ(Get(APS_adapterReady, &value, 4).status, APS_NOT_BOUND);
    EXPECT_TRUE(adapter->calls.empty());
}

class CountedAdapter : public FakeAdapter {
public:
    explicit CountedAdapter(int& destroyed) : destroyed_(destroyed) {}
    ~CountedAdapter() override { ++destroyed_; }

private:
    int& destroyed_;
};

TEST(MibRootOwnership, TheRootDestroysItsInstance) {
    int destroyed = 0;
    {
        std::unique_ptr<MibNode> mib =
            CreateBoundMib(std::make_unique<CountedAdapter>(destroyed));
        ASSERT_NE(mib, nullptr);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace mib_test
