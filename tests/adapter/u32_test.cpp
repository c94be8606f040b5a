// Nds80211's 32-bit values: every row of the table, the request it sends and the value it gives.
#include "tests/adapter/sim.h"

using namespace adapter_test;
using halvora::Status;

namespace {

// OIDs as the trace writes them (and the machine text names them; the stand-in folds case).
constexpr char kWepStatus[] = "0d01011b";
constexpr char kInfrastructure[] = "0d010108";
constexpr char kMedia[] = "00010114";
constexpr char kConfiguration[] = "0d010211";
constexpr char kRts[] = "0d01020a";
constexpr char kFragmentation[] = "0d010209";
constexpr char kNetworkType[] = "0d010204";
constexpr char kPowerMode[] = "0d010216";
constexpr char kAuthMode[] = "0d010118";
constexpr char kSsid[] = "0d010102";
constexpr char kDisassociate[] = "0d010115";

// NDIS_802_11_CONFIGURATION as the driver holds it: beacon 100, ATIM 2, channel 6.
const std::string kCurrentConfig =
    "20000000" "64000000" "02000000" "882f2500" "10000000" "00000000" "00000000" "00000000";
// What a set carries when the driver's own could not be kept: beacon 100, the new channel (11).
const std::string kFreshConfigCh11 =
    "20000000" "64000000" "00000000" "30912500" "10000000" "00000000" "00000000" "00000000";
const std::string kCurrentConfigCh11 =
    "20000000" "64000000" "02000000" "30912500" "10000000" "00000000" "00000000" "00000000";
const std::string kNoSsid(72, '0');

std::string Failed(const char* oid) {
    return std::string("query ") + oid + " len=4 -> c00000bb written=0 needed=0 data=-";
}

struct GetCase {
    const char* name;
    uint32_t id;
    std::string oids;
    Status status;
    int32_t value;  // -7: left as it was
    std::vector<std::string> trace;
};

class U32Get : public Nds80211Test {};

TEST_F(U32Get, EveryRowSendsItsQueryAndConvertsTheAnswer) {
    const GetCase cases[] = {
        {"privacy option: WEP not supported", APS_dot11PrivacyOptionImplemented,
         Dword(kWepStatus, 3), 0, 0, {Query(kWepStatus, Le32(3))}},
        {"privacy option: WEP disabled", APS_dot11PrivacyOptionImplemented,
         Dword(kWepStatus, 1), 0, 1, {Query(kWepStatus, Le32(1))}},
        {"BSS type: IBSS", APS_dot11DesiredBSSType, Dword(kInfrastructure, 0), 0, 2,
         {Query(kInfrastructure, Le32(0))}},
        {"BSS type: infrastructure", APS_dot11DesiredBSSType, Dword(kInfrastructure, 1), 0, 1,
         {Query(kInfrastructure, Le32(1))}},
        {"BSS type: automatic", APS_dot11DesiredBSSType, Dword(kInfrastructure, 2), 0, 3,
         {Query(kInfrastructure, Le32(2))}},
        {"privacy invoked: WEP enabled", APS_dot11PrivacyInvoked, Dword(kWepStatus, 0), 0, 1,
         {Query(kWepStatus, Le32(0))}},
        {"privacy invoked: WEP disabled", APS_dot11PrivacyInvoked, Dword(kWepStatus, 1), 0, 0,
         {Query(kWepStatus, Le32(1))}},
        {"default key id: no request", APS_dot11WEPDefaultKeyID, "", 0, 0, {}},
        {"encryption status as is", APS_encryptionStatus, Dword(kWepStatus, 5), 0, 5,
         {Query(kWepStatus, Le32(5))}},
        {"RTS threshold", APS_dot11RTSThreshold, Dword(kRts, 2347), 0, 2347,
         {Query(kRts, Le32(2347))}},
        {"fragmentation threshold", APS_dot11FragmentationThreshold,
         Dword(kFragmentation, 2346), 0, 2346, {Query(kFragmentation, Le32(2346))}},
        {"PHY type: FH", APS_dot11PHYType, Dword(kNetworkType, 0), 0, 1,
         {Query(kNetworkType, Le32(0))}},
        {"PHY type: DSSS", APS_dot11PHYType, Dword(kNetworkType, 1), 0, 2,
         {Query(kNetworkType, Le32(1))}},
        {"PHY type: OFDM 5 GHz", APS_dot11PHYType, Dword(kNetworkType, 2), 0, 4,
         {Query(kNetworkType, Le32(2))}},
        {"PHY type: OFDM 2.4 GHz", APS_dot11PHYType, Dword(kNetworkType, 3), 0, 5,
         {Query(kNetworkType, Le32(3))}},
        {"PHY type: other", APS_dot11PHYType, Dword(kNetworkType, 9), 0, 3,
         {Query(kNetworkType, Le32(9))}},
        {"power levels: no request", APS_dot11NumberSupportedPowerLevels, "", 0, 0, {}},
        {"media connected", APS_mediaConnected, Dword(kMedia, 0), 0, 1,
         {Query(kMedia, Le32(0))}},
        {"media disconnected", APS_mediaConnected, Dword(kMedia, 1), 0, 0,
         {Query(kMedia, Le32(1))}},
        {"radio state is not readable", APS_radioEnabled, Dword(kSsid, 0), -1, -7, {}},
        {"power mode", APS_powerMode, Dword(kPowerMode, 2), 0, 2, {Query(kPowerMode, Le32(2))}},
        {"authentication mode", APS_authenticationMode, Dword(kAuthMode, 4), 0, 4,
         {Query(kAuthMode, Le32(4))}},
        {"identifier not served", APS_dot11ShortRetryLimit, Dword(kRts, 1), -1, -7, {}},
        {"request fails", APS_dot11RTSThreshold, "", -1, -7, {Failed(kRts)}},
        {"frequency in IBSS mode", APS_dot11CurrentFrequency,
         Dword(kInfrastructure, 0) + Hex(kConfiguration, kCurrentConfig), 0, 2437000,
         {Query(kInfrastructure, Le32(0)), Query(kConfiguration, kCurrentConfig)}},
        {"frequency while connected", APS_dot11CurrentFrequency,
         Dword(kInfrastructure, 1) + Dword(kMedia, 0) + Hex(kConfiguration, kCurrentConfig), 0,
         2437000,
         {Query(kInfrastructure, Le32(1)), Query(kMedia, Le32(0)),
          Query(kConfiguration, kCurrentConfig)}},
        {"frequency while disconnected: no configuration query", APS_dot11CurrentFrequency,
         Dword(kInfrastructure, 1) + Dword(kMedia, 1) + Hex(kConfiguration, kCurrentConfig), 0,
         0, {Query(kInfrastructure, Le32(1)), Query(kMedia, Le32(1))}},
        {"frequency without a configuration", APS_dot11CurrentFrequency,
         Dword(kInfrastructure, 0), -1, -7,
         {Query(kInfrastructure, Le32(0)),
          "query 0d010211 len=32 -> c00000bb written=0 needed=0 data=-"}},
    };
    Open("");
    for (const GetCase& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.oids);
        int32_t value = -7;
        EXPECT_EQ(adapter_->GetU32(c.id, value), c.status);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(Trace(), c.trace);
    }
}

struct SetCase {
    const char* name;
    uint32_t id;
    int32_t value;
    std::string oids;
    Status status;
    std::vector<std::string> trace;
};

class U32Set : public Nds80211Test {};

TEST_F(U32Set, EveryRowConvertsTheValueAndSendsIt) {
    const std::string forcedWep = Dword(kWepStatus, 0) + "\"0d01011b!set\"=dword:c0000001\n";
    const SetCase cases[] = {
        {"BSS type IBSS sends 0", APS_dot11DesiredBSSType, 2, Dword(kInfrastructure, 1), 0,
         {Set(kInfrastructure, Le32(0))}},
        {"BSS type infrastructure sends 1", APS_dot11DesiredBSSType, 1,
         Dword(kInfrastructure, 0), 0, {Set(kInfrastructure, Le32(1))}},
        {"BSS type other sends automatic", APS_dot11DesiredBSSType, 3,
         Dword(kInfrastructure, 0), 0, {Set(kInfrastructure, Le32(2))}},
        {"privacy off sends WEP disabled", APS_dot11PrivacyInvoked, 0, Dword(kWepStatus, 0), 0,
         {Set(kWepStatus, Le32(1))}},
        {"privacy on sends WEP enabled", APS_dot11PrivacyInvoked, 5, Dword(kWepStatus, 1), 0,
         {Set(kWepStatus, Le32(0))}},
        {"privacy refused twice", APS_dot11PrivacyInvoked, 1, forcedWep, -1,
         {"set 0d01011b len=4 data=00000000 -> c0000001 read=0 needed=4",
          "set 0d01011b len=4 data=00000000 -> c0000001 read=0 needed=4"}},
        {"default key id: kept, no request", APS_dot11WEPDefaultKeyID, 3, "", -1, {}},
        {"encryption status as is", APS_encryptionStatus, 4, Dword(kWepStatus, 0), 0,
         {Set(kWepStatus, Le32(4))}},
        {"RTS threshold", APS_dot11RTSThreshold, 1000, Dword(kRts, 2347), 0,
         {Set(kRts, Le32(1000))}},
        {"fragmentation threshold", APS_dot11FragmentationThreshold, 1500,
         Dword(kFragmentation, 2346), 0, {Set(kFragmentation, Le32(1500))}},
        {"power mode", APS_powerMode, 1, Dword(kPowerMode, 0), 0, {Set(kPowerMode, Le32(1))}},
        {"authentication mode", APS_authenticationMode, 3, Dword(kAuthMode, 0), 0,
         {Set(kAuthMode, Le32(3))}},
        {"privacy option is read-only", APS_dot11PrivacyOptionImplemented, 1,
         Dword(kWepStatus, 0), -1, {}},
        {"PHY type is read-only", APS_dot11PHYType, 1, Dword(kNetworkType, 0), -1, {}},
        {"power levels are read-only", APS_dot11NumberSupportedPowerLevels, 1, "", -1, {}},
        {"media state is read-only", APS_mediaConnected, 1, Dword(kMedia, 0), -1, {}},
        {"radio off disassociates", APS_radioEnabled, 0, Dword(kDisassociate, 0), 0,
         {Set(kDisassociate, Le32(0))}},
        {"radio on before any SSID sends an empty one", APS_radioEnabled, 1,
         Hex(kSsid, kNoSsid), 0, {Set(kSsid, kNoSsid)}},
        {"request refused", APS_dot11RTSThreshold, 1000, "", -1,
         {"set 0d01020a len=4 data=e8030000 -> c00000bb read=0 needed=0"}},
        {"identifier not served", APS_dot11ShortRetryLimit, 1, Dword(kRts, 0), -1, {}},
        {"frequency in IBSS mode keeps the driver's configuration", APS_dot11CurrentFrequency,
         2462000, Dword(kInfrastructure, 0) + Hex(kConfiguration, kCurrentConfig), 0,
         {Query(kInfrastructure, Le32(0)), Query(kConfiguration, kCurrentConfig),
          Set(kConfiguration, kCurrentConfigCh11)}},
        {"frequency while connected keeps the driver's configuration",
         APS_dot11CurrentFrequency, 2462000,
         Dword(kInfrastructure, 1) + Dword(kMedia, 0) + Hex(kConfiguration, kCurrentConfig), 0,
         {Query(kInfrastructure, Le32(1)), Query(kMedia, Le32(0)),
          Query(kConfiguration, kCurrentConfig), Set(kConfiguration, kCurrentConfigCh11)}},
        {"frequency while disconnected starts afresh", APS_dot11CurrentFrequency, 2462000,
         Dword(kInfrastructure, 1) + Dword(kMedia, 1) + Hex(kConfiguration, kCurrentConfig), 0,
         {Query(kInfrastructure, Le32(1)), Query(kMedia, Le32(1)),
          Set(kConfiguration, kFreshConfigCh11)}},
    };
    Open("");
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.oids);
        EXPECT_EQ(adapter_->SetU32(c.id, c.value), c.status);
        EXPECT_EQ(Trace(), c.trace);
    }
}

TEST_F(U32Set, DefaultKeyIdIsKeptWithoutRequestAndReadBack) {
    Open("");
    EXPECT_EQ(adapter_->SetU32(APS_dot11WEPDefaultKeyID, 3), -1);
    int32_t value = -7;
    EXPECT_EQ(adapter_->GetU32(APS_dot11WEPDefaultKeyID, value), 0);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
}

TEST_F(U32Set, RadioOnSendsTheLastSsidWritten) {
    Open(Hex(kSsid, kNoSsid));
    halvora::ByteBuffer ssid;
    ssid.AssignText("Lakeside");
    ASSERT_EQ(adapter_->SetBytes(APS_dot11DesiredSSID, ssid), 0);
    ASSERT_EQ(adapter_->SetU32(APS_radioEnabled, 1), 0);
    const std::string request = "08000000" "4c616b6573696465" + std::string(48, '0');
    EXPECT_EQ(Trace(), (std::vector<std::string>{Set(kSsid, request), Set(kSsid, request)}));
}

}  // namespace
