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
    {APS_dot11PrivacyOptionImplemented, kOid80211WepStatus,
     U32Get::Oid, Translate({{3, 0}}, 1), U32Set::None, kAsIs},
    {APS_dot11DesiredBSSType, kOid80211InfrastructureMode,
     U32Get::BssType, Translate({{0, 2}, {1, 1}}, 3),
     U32Set::BssType, Translate({{2, 0}, {1, 1}}, 2)},
    {APS_dot11PrivacyInvoked, kOid80211WepStatus,
     U32Get::Oid, Translate({{0, 1}}, 0), U32Set::OidTwice, Translate({{0, 1}}, 0)},
    {APS_dot11WEPDefaultKeyID, 0,
     U32Get::TransmitKey, kAsIs, U32Set::TransmitKey, kAsIs},
    {APS_encryptionStatus, kOid80211WepStatus,
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {APS_dot11RTSThreshold, kOid80211RtsThreshold,
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {APS_dot11FragmentationThreshold, kOid80211FragmentationThreshold,
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {APS_dot11PHYType, kOid80211NetworkTypeInUse,
     U32Get::Oid, Translate({{0, 1}, {1, 2}, {2, 4}, {3, 5}}, 3), U32Set::None, kAsIs},
    {APS_dot11NumberSupportedPowerLevels, 0,
     U32Get::Zero, kAsIs, U32Set::None, kAsIs},
    {APS_dot11CurrentFrequency, kOid80211Configuration,
     U32Get::Frequency, kAsIs, U32Set::Frequency, kAsIs},
    {APS_mediaConnected, kOidGenMediaConnectStatus,
     U32Get::Oid, Translate({{0, 1}}, 0), U32Set::None, kAsIs},
    {APS_radioEnabled, 0,
     U32Get::None, kAsIs, U32Set::Radio, kAsIs},
    {APS_powerMode, kOid80211PowerMode,
     U32Get::Oid, kAsIs, U32Set::Oid, kAsIs},
    {APS_authenticationMode, kOid80211AuthenticationMode,
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
