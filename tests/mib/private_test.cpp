// The private family through the tree on a fake adapter: survey and connection pass-through
// forms with the radio-on step, adapter state, and the chipset-private tables.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"

namespace mib_test {
namespace {

using namespace halvora;

class PrivateTest : public MibTest {
protected:
    void SetUp() override {
        adapter->blocks[APS_surveyBssidList] = "LIST";
        adapter->blocks[APS_bssidList] = "LIST";
        adapter->numbers[APS_linkSpeed] = 540000;
        adapter->numbers[APS_mediaConnected] = 1;
        adapter->macs[APS_currentBssid] = {0x00, 0x14, 0xbf, 0x01, 0x02, 0x03};
        adapter->numbers[APS_athPrivateFlag] = 0;
        adapter->numbers[APS_athEncryptionAlg] = 2;
        adapter->numbers[APS_athPrivateStatus] = 1;
        adapter->numbers[APS_athLeapEnabled] = 1;
        adapter->bytes[APS_athCardConfigId] = "CFG-7";
        for (MibId id = APS_rtTxBurst; id <= APS_rtPspXlink; id += 0x80) adapter->numbers[id] = 0;
        Bind();
    }
};

// Lists and scans switch the radio on first when it reads 0; a radio that cannot be read is left
// alone and the request still goes ahead.
TEST_F(PrivateTest, RadioOnStepBeforeListsAndScans) {
    struct Case {
        const char* radio;  // "off", "on", "unreadable"
        std::vector<std::string> before;
    } cases[] = {
        {"off", {"GetU32 CC104300", "SetU32 CC104300 1"}},
        {"on", {"GetU32 CC104300"}},
        {"unreadable", {"GetU32 CC104300"}},
    };
    for (const Case& c : cases) {
        adapter->numbers.erase(APS_radioEnabled);
        if (std::string(c.radio) != "unreadable")
            adapter->numbers[APS_radioEnabled] = std::string(c.radio) == "on";
        char buffer[16];
        EXPECT_EQ(Get(APS_surveyBssidList, buffer, 16), (Answer{0, 0, 4})) << c.radio;
        std::vector<std::string> expected = c.before;
        expected.push_back("GetBlock C4104180 16");
        EXPECT_EQ(adapter->TakeCalls(), expected) << c.radio;

        adapter->numbers.erase(APS_radioEnabled);
        if (std::string(c.radio) != "unreadable")
            adapter->numbers[APS_radioEnabled] = std::string(c.radio) == "on";
        EXPECT_EQ(Set(APS_scanRequest, "\x01", 1), (Answer{0, 0, 1})) << c.radio;
        expected = c.before;
        expected.push_back("SetBlock CC104200 01");
        EXPECT_EQ(adapter->TakeCalls(), expected) << c.radio;
    }
}

TEST_F(PrivateTest, RawColumnsPassTheAdaptersCountsThrough) {
    adapter->numbers[APS_radioEnabled] = 1;
    char buffer[16];
    EXPECT_EQ(Get(APS_bssidList, buffer, 2), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_surveySignalStrength, buffer, 16).status, APS_UNAVAILABLE);
    EXPECT_EQ(Get(APS_surveyScan, buffer, 16).status, APS_INVALID);
    EXPECT_EQ(Set(APS_surveyBssidList, buffer, 16).status, APS_INVALID);
    EXPECT_EQ(Set(APS_rawOidRequest, "\x0a\x02\x01\x0d", 4), (Answer{0, 0, 4}));
    EXPECT_EQ(Get(APS_athProfileWrite, buffer, 16).status, APS_INVALID);
}

TEST_F(PrivateTest, PassThroughTablesHaveNothingToApplyOrRefresh) {
    for (MibId id : {APS_surveyScan, APS_linkSpeed, APS_radioEnabled, APS_bcmAfterburner}) {
        EXPECT_EQ(root->Apply(id), APS_INVALID) << Hex32(id);
        EXPECT_EQ(root->Refresh(id), APS_INVALID) << Hex32(id);
    }
    for (MibId id : {0xC4000000u, 0xC8100000u, 0xCC000000u, 0xD0400000u}) {
        EXPECT_EQ(root->Refresh(id), APS_OK) << Hex32(id);
    }
    EXPECT_EQ(root->Apply(0xC4000000u), APS_INVALID);
    EXPECT_EQ(root->Apply(0xCC000000u), APS_OK) << "masked branch over a closed table node";
    EXPECT_TRUE(adapter->calls.empty());
}

TEST_F(PrivateTest, AdapterStateColumns) {
    uint8_t buffer[8];
    EXPECT_EQ(Get(APS_adapterReady, buffer, 2), (Answer{2, 4, 0}));
    EXPECT_EQ(IntOf(APS_adapterReady), 1) << "the double's events are set";
    EXPECT_TRUE(adapter->calls.empty()) << "the adapter object is not asked";
    EXPECT_EQ(IntOf(APS_linkSpeed), 540000);
    EXPECT_EQ(Get(APS_linkSpeed, buffer, 8), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_signalQuality, buffer, 8), (Answer{-1, 0, 0}));
    EXPECT_EQ(SetInt(APS_linkSpeed, 1).status, APS_INVALID);
}

TEST_F(PrivateTest, ConnectionForms) {
    uint8_t buffer[8] = {};
    EXPECT_EQ(Get(APS_mediaConnected, buffer, 8), (Answer{2, 4, 0}));
    EXPECT_TRUE(adapter->TakeCalls().empty()) << "strict: the buffer is checked first";
    EXPECT_EQ(IntOf(APS_mediaConnected), 1);
    EXPECT_EQ(Get(APS_powerMode, buffer, 4), (Answer{-1, 0, 0}));

    EXPECT_EQ(SetInt(APS_radioEnabled, 1), (Answer{0, 4, 0}));
    EXPECT_EQ(Set(APS_radioEnabled, buffer, 8), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_currentBssid, buffer, 8), (Answer{0, 0, 6}));
    EXPECT_EQ(Hex(buffer, 6), "0014bf010203");
    EXPECT_EQ(Get(APS_currentBssid, buffer, 5), (Answer{2, 6, 0}));
    EXPECT_EQ(Set(APS_currentBssid, "\x01\x02\x03\x04\x05\x06\x07", 7), (Answer{0, 6, 0}));
    EXPECT_EQ(Set(APS_currentBssid, "\x01\x02", 2), (Answer{2, 6, 0}));
    adapter->forced[APS_authenticationMode] = APS_UNAVAILABLE;
    EXPECT_EQ(SetInt(APS_authenticationMode, 3), (Answer{-1, 0, 0}));
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetU32 CC104080", "GetU32 CC104380", "SetU32 CC104300 1",
                                        "GetMac CC104400", "SetMac CC104400 010203040506",
                                        "SetU32 CC104600 3"}));
}

TEST_F(PrivateTest, AtherosCachedColumns) {
    EXPECT_EQ(IntOf(APS_athEncryptionAlg), 2);
    EXPECT_EQ(root->Apply(APS_athEncryptionAlg), APS_INVALID) << "never set";
    EXPECT_EQ(root->Apply(0xD0104000u), APS_OK);
    EXPECT_EQ(SetInt(APS_athPrivateFlag, 7), (Answer{0, 0, 0}));
    EXPECT_EQ(IntOf(APS_athPrivateFlag), 1);
    EXPECT_EQ(SetInt(APS_athPrivateStatus, -9).status, APS_OK) << "no range";
    EXPECT_EQ(root->Apply(APS_rawOidRequest), APS_OK) << "a pass-through column runs the walk";
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 D0104080 1", "SetU32 D0104180 -9"}));
    EXPECT_EQ(root->Refresh(APS_athLeapEnabled), APS_OK);
    EXPECT_EQ(TablesOf(adapter->TakeCalls()), std::vector<std::string>{"D0104"});
}

// A 4-byte value asked for with too small a buffer is reported as such, even by the lenient forms.
TEST_F(PrivateTest, AtherosLenientAndPlainForms) {
    char buffer[8];
    EXPECT_EQ(Get(APS_athLeapEnabled, buffer, 2), (Answer{2, 4, 0}));
    EXPECT_EQ(Get(APS_athLeapEnabled, buffer, 8), (Answer{0, 0, 4}));
    EXPECT_EQ(Get(APS_athScanType, buffer, 2), (Answer{-1, 4, 0}));
    EXPECT_EQ(Get(APS_athPrivateCounter, nullptr, 4), (Answer{-1, 4, 0}));
    EXPECT_EQ(Get(APS_athCardConfigId, buffer, 3), (Answer{2, 5, 0}));
    EXPECT_EQ(Get(APS_athCardConfigId, buffer, 8), (Answer{0, 0, 5}));
    EXPECT_EQ(std::string(buffer, 5), "CFG-7");
    EXPECT_EQ(Get(APS_athLeapTimeout, buffer, 8), (Answer{-1, 4, 0}));
    adapter->TakeCalls();

    EXPECT_EQ(Set(APS_athWmmEnabled, buffer, 2), (Answer{2, 4, 0}));
    adapter->forced[APS_athWmmEnabled] = APS_UNAVAILABLE;
    EXPECT_EQ(SetInt(APS_athWmmEnabled, 1), (Answer{-1, 0, 4})) << "written stays 4";
    EXPECT_EQ(Set(APS_athLeapEnabled, "\x01\x00\x00\x00\xff", 5), (Answer{0, 0, 4}));
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"SetU32 D0104880 1", "SetU32 D0104480 1"}));
}

TEST_F(PrivateTest, BroadcomLengthGuardedForms) {
    char buffer[8];
    EXPECT_EQ(Get(APS_bcmAfterburner, buffer, 2), (Answer{3, 0, 0}));
    EXPECT_EQ(Get(APS_bcmAfterburner, buffer, -1), (Answer{3, 0, 0})) << "negative is too short";
    EXPECT_EQ(Set(APS_bcmXpressTechnology, buffer, 3), (Answer{3, 0, 0}));
    EXPECT_TRUE(adapter->TakeCalls().empty());
    EXPECT_EQ(Get(APS_bcmAfterburner, buffer, 8), (Answer{-1, 4, 0}));
    EXPECT_EQ(SetInt(APS_bcmAfterburner, 1), (Answer{0, 0, 4}));
    EXPECT_EQ(Get(APS_bcmAfterburner, buffer, 8), (Answer{0, 0, 4}));
    adapter->forced[APS_bcmXpressTechnology] = APS_UNAVAILABLE;
    EXPECT_EQ(SetInt(APS_bcmXpressTechnology, 1), (Answer{-1, 4, 0}));
}

TEST_F(PrivateTest, PrismAndRalinkTables) {
    adapter->numbers[APS_prismTxRate] = 11;
    EXPECT_EQ(root->Refresh(0xD0200000u), APS_OK);
    EXPECT_EQ(adapter->TakeCalls(),
              (std::vector<std::string>{"GetU32 D0204080", "GetU32 D0204100"}));
    EXPECT_EQ(IntOf(APS_prismTxRate), 11);
    char buffer[8];
    EXPECT_EQ(Get(APS_prismTallyBlock, buffer, 8).status, APS_UNAVAILABLE);

    ASSERT_EQ(SetInt(APS_rtWmmCapable, 1).status, APS_OK);
    adapter->forced[APS_rtWmmCapable] = APS_UNAVAILABLE;
    EXPECT_EQ(root->Apply(0xD0500000u), APS_OK) << "masked";
    adapter->forced[APS_rtWmmCapable] = APS_NOT_READY;
    EXPECT_EQ(root->Apply(0xD0500000u), APS_NOT_READY);
    EXPECT_EQ(root->Apply(APS_rtWmmCapable), APS_NOT_READY);
}

TEST_F(PrivateTest, EmptyChipsetEntriesAndTheUnusedTable) {
    int32_t value = 0;
    for (MibId id : {0xD0108080u, 0xD0208000u, 0xD0300000u, 0xD0304080u, 0xD03FFF80u})
        EXPECT_EQ(Get(id, &value, 4).status, APS_UNAVAILABLE) << Hex32(id);
    EXPECT_EQ(root->Apply(0xD0300080u), APS_INVALID);
    EXPECT_EQ(root->Refresh(0xD0303FFFu), APS_INVALID);
    EXPECT_EQ(root->Apply(0xD0304000u), APS_OK);
    EXPECT_EQ(root->Refresh(0xD0380000u), APS_OK);
    EXPECT_EQ(root->Apply(0xD0108080u), APS_INVALID);
}

}  // namespace
}  // namespace mib_test
