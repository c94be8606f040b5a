// Nds80211: 32-bit values (GetU32 / SetU32), one table row per MIB identifier.
#include "lib/adapter/nds80211.h"
#include "lib/adapter/oid_rows.h"

namespace halvora {

namespace {

enum class U32Get : uint8_t {
    None,         // not served
    Oid,          // query the row's OID, convert
    BssType,      // as Oid, and remember the driver's mode as the BSS type
    Zero,         // 0, no request
    TransmitKey,  // the transmit key index, no request
    Frequency,    // from the configuration record, unless disconnected
};

enum class U32Set : uint8_t {
    None,
    Oid,          // convert, set the row's OID
    OidTwice,     // as Oid, sent once more when the first request fails
    BssType,      // as Oid, and remember the mode sent as the BSS type
    TransmitKey,  // remember as the transmit key index; reported as not sent
    Frequency,    // into the configuration record
    Radio,        // on: the last SSID again; off: disassociate
};

struct U32Row {
    MibId id;
    uint32_t oid;
    U32Get get;
    ValueMap fromDriver;
    U32Set set;
    ValueMap toDriver;
};

constexpr U32Row kU32Rows[] = {
    {0x44104380, kOid80211WepStatus,  // dot11PrivacyOptionImplemented
     U32Get::Oid, Translate({{3, 0}}, 1), U32Set::None, kAsIs},
    {0x44104500, kOid80211InfrastructureMode,  // dot11DesiredBSSType
     U32Get::BssType, Translate({{0, 2}, {1, 1}}, 3),
     U32Set::BssType, Translate({{2, 0}, {1, 1}}, 2)},
    {0x44504080, kOid80211WepStatus,  // dot11PrivacyInvoked
     U32Get::Oid, Translate({{0, 1}}, 0), U32Set::OidTwice, Translate({{0, 1}}, 0)},
    {0x44504100, 0,  // dot11WEPDefaultKeyID
     U32Get::TransmitKey, kAsIs, U32Set::TransmitKey, kAsIs},
    {0x44504380, kOid80211WepStatus,  // encryptionStatus
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {0x48104100, kOid80211RtsThreshold,  // dot11RTSThreshold
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {0x48104280, kOid80211FragmentationThreshold,  // dot11FragmentationThreshold
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {0x50104080, kOid80211NetworkTypeInUse,  // dot11PHYType
     U32Get::Oid, Translate({{0, 1}, {1, 2}, {2, 4}, {3, 5}}, 3), U32Set::None, kAsIs},
    {0x50304080, 0,  // dot11NumberSupportedPowerLevels
     U32Get::Zero, kAsIs, U32Set::None, kAsIs},
    {0x50B04080, kOid80211Configuration,  // dot11CurrentFrequency
     U32Get::Frequency, kAsIs, U32Set::Frequency, kAsIs},
    {0xCC104080, kOidGenMediaConnectStatus,  // mediaConnected
     U32Get::Oid, Translate({{0, 1}}, 0), U32Set::None, kAsIs},
    {0xCC104300, 0,  // radioEnabled
     U32Get::None, kAsIs, U32Set::Radio, kAsIs},
    {0xCC104380, kOid80211PowerMode,  // powerMode
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {0xCC104600, kOid80211AuthenticationMode,  // authenticationMode
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
};

Status ResultOf(uint32_t ndisStatus) {
    return ndisStatus == kNdisSuccess ? APS_OK : APS_UNAVAILABLE;
}

}  // namespace

Status Nds80211::GetU32(MibId id, int32_t& value) {
    const U32Row* row = FindRow(kU32Rows, id);
    if (!row) return APS_UNAVAILABLE;
    switch (row->get) {
        case U32Get::None:
            return APS_UNAVAILABLE;
        case U32Get::Oid:
        case U32Get::BssType: {
            int32_t answer = 0;
            if (QueryOidU32(row->oid, answer) != kNdisSuccess) return APS_UNAVAILABLE;
            if (row->get == U32Get::BssType) bssType_ = answer;
            value = row->fromDriver(answer);
            return APS_OK;
        }
        case U32Get::Zero:
            value = 0;
            return APS_OK;
        case U32Get::TransmitKey:
            value = transmitKeyIndex_;
            return APS_OK;
        case U32Get::Frequency:
            return GetFrequency(value);
    }
    return APS_UNAVAILABLE;
}

Status Nds80211::SetU32(MibId id, const int32_t& value) {
    const U32Row* row = FindRow(kU32Rows, id);
    if (!row) return APS_UNAVAILABLE;
    switch (row->set) {
        case U32Set::None:
            return APS_UNAVAILABLE;
        case U32Set::Oid:
        case U32Set::OidTwice:
        case U32Set::BssType: {
            const int32_t sent = row->toDriver(value);
            uint32_t status = SetOidU32(row->oid, static_cast<uint32_t>(sent));
            if (status != kNdisSuccess && row->set == U32Set::OidTwice)
                status = SetOidU32(row->oid, static_cast<uint32_t>(sent));
            if (status == kNdisSuccess && row->set == U32Set::BssType) bssType_ = sent;
            return ResultOf(status);
        }
        case U32Set::TransmitKey:
            transmitKeyIndex_ = value;
            return APS_UNAVAILABLE;
        case U32Set::Frequency:
            return SetFrequency(value);
        case U32Set::Radio: {
            if (value) return ResultOf(SetOid(kOid80211Ssid, &lastSsid_, sizeof lastSsid_,
                                              nullptr, nullptr));
            return ResultOf(SetOidU32(kOid80211Disassociate, 0));
        }
    }
    return APS_UNAVAILABLE;
}

// Disconnected in infrastructure or automatic mode, there is no channel to report.
Status Nds80211::GetFrequency(int32_t& value) {
    uint32_t mode = 0, media = 0;
    if (QueryOidU32(kOid80211InfrastructureMode, mode) == kNdisSuccess &&
        mode != kNdisModeIbss &&
        QueryOidU32(kOidGenMediaConnectStatus, media) == kNdisSuccess && media != 0) {
        value = 0;
        return APS_OK;
    }
    NdisConfiguration config;
    if (QueryOid(kOid80211Configuration, &config, sizeof config, nullptr, nullptr) !=
        kNdisSuccess)
        return APS_UNAVAILABLE;
    value = static_cast<int32_t>(config.dsConfig);
    return APS_OK;
}

// The rest of the configuration is kept from the driver when it has one to give: in IBSS mode,
// or connected.
Status Nds80211::SetFrequency(int32_t value) {
    NdisConfiguration config;
    config.beaconPeriod = 100;
    uint32_t mode = 0, media = 0;
    bool keepCurrent = true;
    if (QueryOidU32(kOid80211InfrastructureMode, mode) == kNdisSuccess &&
        mode != kNdisModeIbss)
        keepCurrent = QueryOidU32(kOidGenMediaConnectStatus, media) == kNdisSuccess && media == 0;
    if (keepCurrent) {
        NdisConfiguration current = config;
        if (QueryOid(kOid80211Configuration, &current, sizeof current, nullptr, nullptr) ==
            kNdisSuccess)
            config = current;
    }
    config.dsConfig = static_cast<uint32_t>(value);
    return ResultOf(SetOid(kOid80211Configuration, &config, sizeof config, nullptr, nullptr));
}

}  // namespace halvora
