// The standard NDIS object identifiers and record layouts that the adapter classes send. Chipset
// files add the private OIDs of their drivers beside their own tables.
#pragma once

#include <cstdint>

namespace halvora {

// General OIDs.
constexpr uint32_t kOidGenSupportedList = 0x00010101u;
constexpr uint32_t kOidGenLinkSpeed = 0x00010107u;
constexpr uint32_t kOidGenMediaConnectStatus = 0x00010114u;
constexpr uint32_t kOidGenVendorDriverVersion = 0x00010116u;
constexpr uint32_t kOidGenXmitOk = 0x00020101u;
constexpr uint32_t kOidGenRcvOk = 0x00020102u;
constexpr uint32_t kOidGenDirectedBytesXmit = 0x00020201u;
constexpr uint32_t kOidGenMulticastBytesXmit = 0x00020203u;
constexpr uint32_t kOidGenMulticastFramesXmit = 0x00020204u;
constexpr uint32_t kOidGenBroadcastBytesXmit = 0x00020205u;
constexpr uint32_t kOidGenBroadcastFramesXmit = 0x00020206u;
constexpr uint32_t kOidGenDirectedBytesRcv = 0x00020207u;
constexpr uint32_t kOidGenMulticastBytesRcv = 0x00020209u;
constexpr uint32_t kOidGenMulticastFramesRcv = 0x0002020Au;
constexpr uint32_t kOidGenBroadcastBytesRcv = 0x0002020Bu;
constexpr uint32_t kOidGenBroadcastFramesRcv = 0x0002020Cu;
constexpr uint32_t kOid8023CurrentAddress = 0x01010102u;

// 802.11 OIDs.
constexpr uint32_t kOid80211Bssid = 0x0D010101u;
constexpr uint32_t kOid80211Ssid = 0x0D010102u;
constexpr uint32_t kOid80211InfrastructureMode = 0x0D010108u;
constexpr uint32_t kOid80211AddWep = 0x0D010113u;
constexpr uint32_t kOid80211RemoveWep = 0x0D010114u;
constexpr uint32_t kOid80211Disassociate = 0x0D010115u;
constexpr uint32_t kOid80211AuthenticationMode = 0x0D010118u;
constexpr uint32_t kOid80211BssidListScan = 0x0D01011Au;
constexpr uint32_t kOid80211WepStatus = 0x0D01011Bu;
constexpr uint32_t kOid80211NetworkTypesSupported = 0x0D010203u;
constexpr uint32_t kOid80211NetworkTypeInUse = 0x0D010204u;
constexpr uint32_t kOid80211Rssi = 0x0D010206u;
constexpr uint32_t kOid80211FragmentationThreshold = 0x0D010209u;
constexpr uint32_t kOid80211RtsThreshold = 0x0D01020Au;
constexpr uint32_t kOid80211SupportedRates = 0x0D01020Eu;
constexpr uint32_t kOid80211DesiredRates = 0x0D010210u;
constexpr uint32_t kOid80211Configuration = 0x0D010211u;
constexpr uint32_t kOid80211PowerMode = 0x0D010216u;
constexpr uint32_t kOid80211BssidList = 0x0D010217u;
constexpr uint32_t kOid80211Statistics = 0x0D020212u;

// Infrastructure modes, and the WEP status of a driver without WEP.
constexpr uint32_t kNdisModeIbss = 0;
constexpr uint32_t kNdisModeInfrastructure = 1;
constexpr uint32_t kNdisModeAutomatic = 2;
constexpr uint32_t kNdisWepNotSupported = 3;

// Bit 31 of a WEP key index marks the transmit key.
constexpr uint32_t kNdisTransmitKey = 0x80000000u;

// Drivers answer with data from outside; sizes they announce beyond this are not believed.
constexpr uint32_t kMaxDriverAnswer = 0x10000u;

// Records as they cross the driver interface (little-endian, 4-byte fields, no padding).
struct NdisSsid {
    uint32_t length = 0;
    uint8_t bytes[32] = {};
};
static_assert(sizeof(NdisSsid) == 36);

struct NdisConfiguration {
    uint32_t length = sizeof(NdisConfiguration);
    uint32_t beaconPeriod = 0;
    uint32_t atimWindow = 0;
    uint32_t dsConfig = 0;  // kHz
    struct {
        uint32_t length = 16;
        uint32_t hopPattern = 0;
        uint32_t hopSet = 0;
        uint32_t dwellTime = 0;
    } fhConfig;
};
static_assert(sizeof(NdisConfiguration) == 32);

// NDIS_802_11_WEP: three 32-bit fields, then the key; the request carries 3 bytes of slack.
constexpr uint32_t kNdisWepHeader = 12;
constexpr uint32_t kNdisWepSlack = 3;

}  // namespace halvora
