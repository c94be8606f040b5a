// Nds80211: counters, addresses, byte strings and blocks, one table row per MIB identifier.
#include "lib/adapter/nds80211.h"
#include "lib/adapter/oid_rows.h"

#include <cstring>

namespace halvora {

namespace {

// Counters.
enum class CounterSource : uint8_t { Oid, TxBytes, RxBytes };

struct CounterRow {
    MibId id;
    CounterSource source;
    uint32_t oid;
};

constexpr CounterRow kCounterRows[] = {
    {APS_dot11TransmittedFragmentCount, CounterSource::Oid, kOidGenXmitOk},
    {APS_dot11TransmittedFrameCount, CounterSource::Oid, kOidGenXmitOk},
    {APS_dot11MulticastTransmittedFrameCount, CounterSource::Oid, kOidGenMulticastFramesXmit},
    {APS_dot11ReceivedFragmentCount, CounterSource::Oid, kOidGenRcvOk},
    {APS_receivedFrameCount, CounterSource::Oid, kOidGenRcvOk},
    {APS_dot11MulticastReceivedFrameCount, CounterSource::Oid, kOidGenMulticastFramesRcv},
    {APS_directedBytesTransmitted, CounterSource::Oid, kOidGenDirectedBytesXmit},
    {APS_multicastBytesTransmitted, CounterSource::Oid, kOidGenMulticastBytesXmit},
    {APS_directedBytesReceived, CounterSource::Oid, kOidGenDirectedBytesRcv},
    {APS_multicastBytesReceived, CounterSource::Oid, kOidGenMulticastBytesRcv},
    {APS_broadcastFramesTransmitted, CounterSource::Oid, kOidGenBroadcastFramesXmit},
    {APS_broadcastBytesTransmitted, CounterSource::Oid, kOidGenBroadcastBytesXmit},
    {APS_broadcastFramesReceived, CounterSource::Oid, kOidGenBroadcastFramesRcv},
    {APS_broadcastBytesReceived, CounterSource::Oid, kOidGenBroadcastBytesRcv},
    {APS_totalBytesTransmitted, CounterSource::TxBytes, 0},
    {APS_totalBytesReceived, CounterSource::RxBytes, 0},
    {APS_linkSpeed, CounterSource::Oid, kOidGenLinkSpeed},
};

// Addresses; an OID of 0 is not served in that direction.
struct MacRow {
    MibId id;
    uint32_t getOid;
    uint32_t setOid;
};

constexpr MacRow kMacRows[] = {
    {APS_dot11StationID, kOid8023CurrentAddress, kOid8023CurrentAddress},
    {APS_dot11MACAddress, kOid8023CurrentAddress, 0},
    {APS_currentBssid, kOid80211Bssid, kOid80211Bssid},
};

// Byte strings.
enum class BytesGet : uint8_t { Ssid, RateSet, Text, ClassName };
enum class BytesSet : uint8_t { None, Ssid, RateSet };

struct BytesRow {
    MibId id;
    BytesGet get;
    BytesSet set;
    const char* text;
};

constexpr BytesRow kBytesRows[] = {
    {APS_dot11DesiredSSID, BytesGet::Ssid, BytesSet::Ssid, nullptr},
    {APS_dot11OperationalRateSet, BytesGet::RateSet, BytesSet::RateSet, nullptr},
    {APS_dot11ManufacturerID, BytesGet::Text, BytesSet::None, "Brevane Corporation."},
    {APS_dot11ProductID, BytesGet::Text, BytesSet::None, "802.11 Wireless LAN Adapter."},
    {APS_dot11manufacturerOUI, BytesGet::ClassName, BytesSet::None, nullptr},
};

// Blocks in the caller's buffer; a raw row takes the OID from the buffer's first 4 bytes.
struct BlockRow {
    MibId id;
    uint32_t getOid;
    uint32_t setOid;
    bool raw;
};

constexpr BlockRow kBlockRows[] = {
    {APS_driverVersion, kOidGenVendorDriverVersion, 0, false},
    {APS_surveySignalStrength, kOid80211Rssi, 0, false},
    {APS_currentSignalStrength, kOid80211Rssi, 0, false},
    {APS_surveyBssidList, kOid80211BssidList, 0, false},
    {APS_bssidList, kOid80211BssidList, 0, false},
    {APS_surveyNetworkTypes, kOid80211NetworkTypesSupported, 0, false},
    {APS_statisticsBlock, kOid80211Statistics, 0, false},
    {APS_disassociateRequest, 0, kOid80211Disassociate, false},
    {APS_surveyScan, 0, kOid80211BssidListScan, false},
    {APS_scanRequest, 0, kOid80211BssidListScan, false},
    {APS_rawOidRequest, 0, 0, true},
};

constexpr int32_t kRawHeader = 4;
constexpr uint32_t kSsidBytes = sizeof(NdisSsid::bytes);
constexpr uint32_t kMaxRateSet = 8;

// The raw counts include the OID in front; a driver's count near the limit stays at the limit.
uint32_t PlusHeader(uint32_t count) {
    return count > UINT32_MAX - kRawHeader ? UINT32_MAX : count + kRawHeader;
}

// A raw request: the OID in the buffer's first 4 bytes, the data after them; the counts
// reported include those 4 bytes.
template <typename Send>
Status RawRequest(const void* buffer, int32_t length, uint32_t* needed, uint32_t* done,
                  Send send) {
    if (!buffer || length < kRawHeader) return APS_UNAVAILABLE;
    uint32_t oid;
    std::memcpy(&oid, buffer, sizeof oid);
    uint32_t n = 0, d = 0;
    const Status status = send(oid, length - kRawHeader, &n, &d);
    if (status == APS_OK && done) *done = PlusHeader(d);
    if (status == APS_BAD_ARGUMENT && needed) *needed = PlusHeader(n);
    return status;
}

}  // namespace

Status Nds80211::GetCounter(MibId id, uint32_t& value) {
    const CounterRow* row = FindRow(kCounterRows, id);
    if (!row) return APS_UNAVAILABLE;
    uint32_t count = 0;
    bool ok = false;
    switch (row->source) {
        case CounterSource::Oid:
            ok = QueryOidU32(row->oid, count) == kNdisSuccess;
            break;
        case CounterSource::TxBytes:
            ok = NIOC_QueryTxByteCount(handle_, &count) != 0;
            break;
        case CounterSource::RxBytes:
            ok = NIOC_QueryRxByteCount(handle_, &count) != 0;
            break;
    }
    if (!ok) return APS_UNAVAILABLE;
    value = count;
    return APS_OK;
}

Status Nds80211::SetCounter(MibId, const uint32_t&) { return APS_UNAVAILABLE; }

Status Nds80211::GetMac(MibId id, MacAddress mac) {
    const MacRow* row = FindRow(kMacRows, id);
    if (!row || !row->getOid) return APS_UNAVAILABLE;
    uint8_t answer[6] = {};
    if (QueryOid(row->getOid, answer, sizeof answer, nullptr, nullptr) != kNdisSuccess)
        return APS_UNAVAILABLE;
    std::memcpy(mac, answer, sizeof answer);
    return APS_OK;
}

Status Nds80211::SetMac(MibId id, const MacAddress mac) {
    const MacRow* row = FindRow(kMacRows, id);
    if (!row || !row->setOid) return APS_UNAVAILABLE;
    return SetOid(row->setOid, mac, 6, nullptr, nullptr) == kNdisSuccess ? APS_OK
                                                                         : APS_UNAVAILABLE;
}

Status Nds80211::GetBytes(MibId id, ByteBuffer& value) {
    const BytesRow* row = FindRow(kBytesRows, id);
    if (!row) return APS_UNAVAILABLE;
    switch (row->get) {
        case BytesGet::Ssid:
            return GetSsid(value);
        case BytesGet::RateSet:
            return GetRateSet(value);
        case BytesGet::Text:
            return value.AssignText(row->text) ? APS_OK : APS_UNAVAILABLE;
        case BytesGet::ClassName:
            return value.AssignText(className_.c_str()) ? APS_OK : APS_UNAVAILABLE;
    }
    return APS_UNAVAILABLE;
}

Status Nds80211::SetBytes(MibId id, const ByteBuffer& value) {
    const BytesRow* row = FindRow(kBytesRows, id);
    if (!row) return APS_UNAVAILABLE;
    const uint32_t length = value.Length() > 0 ? static_cast<uint32_t>(value.Length()) : 0;
    switch (row->set) {
        case BytesSet::None:
            return APS_UNAVAILABLE;
        case BytesSet::Ssid: {
            if (length > kSsidBytes) return APS_BAD_ARGUMENT;
            NdisSsid request;
            request.length = length;
            if (length) std::memcpy(request.bytes, value.Data(), length);
            if (SetOid(kOid80211Ssid, &request, sizeof request, nullptr, nullptr) != kNdisSuccess)
                return APS_UNAVAILABLE;
            lastSsid_ = request;
            return APS_OK;
        }
        case BytesSet::RateSet: {
            uint8_t rates[kMaxRateSet] = {};
            const uint32_t count = length < kMaxRateSet ? length : kMaxRateSet;
            if (count) std::memcpy(rates, value.Data(), count);
            return SetOid(kOid80211DesiredRates, rates, count, nullptr, nullptr) == kNdisSuccess
                       ? APS_OK
                       : APS_UNAVAILABLE;
        }
    }
    return APS_UNAVAILABLE;
}

// A malformed answer (more than the record, or a length beyond 32) clears the value and is not
// kept as the last SSID.
Status Nds80211::GetSsid(ByteBuffer& value) {
    NdisSsid answer;
    uint32_t written = 0;
    if (QueryOid(kOid80211Ssid, &answer, sizeof answer, nullptr, &written) != kNdisSuccess)
        return APS_UNAVAILABLE;
    if (written > sizeof answer || answer.length > kSsidBytes) {
        value.Clear();
        return APS_OK;
    }
    lastSsid_ = answer;
    if (!value.Assign(answer.bytes, static_cast<int32_t>(answer.length))) value.Clear();
    return APS_OK;
}

// Whatever the driver answers, the result is success; only a well-formed answer changes the value.
Status Nds80211::GetRateSet(ByteBuffer& value) {
    const uint32_t size = ProbeOid(kOid80211SupportedRates);
    if (!size) return APS_OK;
    ByteBuffer answer;
    uint32_t written = 0;
    if (answer.Reserve(static_cast<int32_t>(size)) &&
        QueryOid(kOid80211SupportedRates, answer.Data(), size, nullptr, &written) ==
            kNdisSuccess &&
        written <= size)
        value.Assign(answer.Data(), static_cast<int32_t>(written));
    return APS_OK;
}

Status Nds80211::GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                          uint32_t* written) {
    const BlockRow* row = FindRow(kBlockRows, id);
    if (!row) return APS_UNAVAILABLE;
    if (!row->raw) return row->getOid ? BlockQuery(row->getOid, buffer, length, needed, written)
                                      : APS_UNAVAILABLE;
    return RawRequest(buffer, length, needed, written,
                      [&](uint32_t oid, int32_t dataLength, uint32_t* n, uint32_t* w) {
                          return BlockQuery(oid, static_cast<uint8_t*>(buffer) + kRawHeader,
                                            dataLength, n, w);
                      });
}

Status Nds80211::SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                          uint32_t* read) {
    const BlockRow* row = FindRow(kBlockRows, id);
    if (!row) return APS_UNAVAILABLE;
    if (!row->raw) return row->setOid ? BlockSet(row->setOid, buffer, length, needed, read)
                                      : APS_UNAVAILABLE;
    return RawRequest(buffer, length, needed, read,
                      [&](uint32_t oid, int32_t dataLength, uint32_t* n, uint32_t* r) {
                          return BlockSet(oid, static_cast<const uint8_t*>(buffer) + kRawHeader,
                                          dataLength, n, r);
                      });
}

}  // namespace halvora
