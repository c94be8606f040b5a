// Nds80211: construction, the request helpers, and the operations that take no MIB identifier
// (wireless probe, WEP keys, rates, regulatory domains, authentication mode, decimal text).
#include "lib/adapter/nds80211.h"

#include <cstring>

namespace halvora {

namespace {

bool IsShortBuffer(uint32_t status) {
    return status == kNdisInvalidLength || status == kNdisBufferTooShort;
}

// Authentication flags as bits, in AuthFlags order.
constexpr uint32_t kOpen = 1u << 0;
constexpr uint32_t kShared = 1u << 1;
constexpr uint32_t kAutomatic = 1u << 2;
constexpr uint32_t kWpa = 1u << 3;
constexpr uint32_t kWpaPsk = 1u << 4;
constexpr uint32_t kWpaNone = 1u << 5;

uint32_t ToBits(const AuthFlags& f) {
    return (f.open ? kOpen : 0u) | (f.shared ? kShared : 0u) | (f.automatic ? kAutomatic : 0u) |
           (f.wpa ? kWpa : 0u) | (f.wpaPsk ? kWpaPsk : 0u) | (f.wpaNone ? kWpaNone : 0u);
}

// The NDIS authentication mode for a set of flags: the first row whose flags are all set.
struct AuthRule {
    uint32_t flags;
    uint32_t mode;
};
constexpr AuthRule kAuthRules[] = {
    {kWpa, 3}, {kWpaPsk, 4}, {kWpaNone, 5}, {kAutomatic, 2},
    {kOpen | kShared, 2}, {kOpen, 0}, {kShared, 1}, {0, 2},
};

// The flags an NDIS authentication mode reports; modes beyond the table report the last row.
constexpr uint32_t kAuthModeFlags[] = {
    kOpen, kShared, kOpen | kShared | kAutomatic, kWpa, kWpaPsk, kWpaNone,
    kOpen | kShared | kAutomatic,
};

// Both block directions: the request travels in the caller's buffer (none: a size probe), and
// the driver's count is believed only within that buffer.
template <typename Send>
Status BlockRequest(const void* buffer, int32_t length, uint32_t* needed, uint32_t* done,
                    Send send) {
    if (length < 0) return APS_UNAVAILABLE;
    const uint32_t room = buffer ? static_cast<uint32_t>(length) : 0;
    uint32_t n = 0, d = 0;
    const uint32_t status = send(room, &n, &d);
    if (status == kNdisSuccess) {
        if (d > room) return APS_UNAVAILABLE;
        if (done) *done = d;
        return APS_OK;
    }
    if (IsShortBuffer(status)) {
        if (needed) *needed = n;
        return APS_BAD_ARGUMENT;
    }
    return APS_UNAVAILABLE;
}

}  // namespace

Nds80211::Nds80211(NIOC_HANDLE handle) : handle_(handle) {}

Nds80211::~Nds80211() = default;

uint32_t Nds80211::QueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t* needed,
                            uint32_t* written) {
    uint32_t status = kNdisFailure, n = 0, w = 0;
    if (!NIOC_QueryOid(handle_, &status, oid, buffer, length, &n, &w)) status = kNdisFailure;
    if (needed) *needed = n;
    if (written) *written = w;
    return status;
}

uint32_t Nds80211::SetOid(uint32_t oid, const void* buffer, uint32_t length, uint32_t* needed,
                          uint32_t* read) {
    uint32_t status = kNdisFailure, n = 0, r = 0;
    if (!NIOC_SetOid(handle_, &status, oid, buffer, length, &n, &r)) status = kNdisFailure;
    if (needed) *needed = n;
    if (read) *read = r;
    return status;
}

uint32_t Nds80211::QueryOidU32(uint32_t oid, uint32_t& value) {
    uint32_t answer = 0;
    uint32_t status = QueryOid(oid, &answer, sizeof answer, nullptr, nullptr);
    if (status == kNdisSuccess) value = answer;
    return status;
}

uint32_t Nds80211::QueryOidU32(uint32_t oid, int32_t& value) {
    uint32_t answer = 0;
    uint32_t status = QueryOidU32(oid, answer);
    if (status == kNdisSuccess) value = static_cast<int32_t>(answer);
    return status;
}

uint32_t Nds80211::SetOidU32(uint32_t oid, uint32_t value) {
    return SetOid(oid, &value, sizeof value, nullptr, nullptr);
}

uint32_t Nds80211::ProbeOid(uint32_t oid) {
    uint32_t status = 0, needed = 0, written = 0;
    if (!NIOC_QueryOid(handle_, &status, oid, nullptr, 0, &needed, &written)) return 0;
    return needed <= kMaxDriverAnswer ? needed : 0;
}

Status Nds80211::BlockQuery(uint32_t oid, void* buffer, int32_t length, uint32_t* needed,
                            uint32_t* written) {
    return BlockRequest(buffer, length, needed, written, [&](uint32_t room, uint32_t* n,
                                                             uint32_t* w) {
        return QueryOid(oid, buffer, room, n, w);
    });
}

Status Nds80211::BlockSet(uint32_t oid, const void* buffer, int32_t length, uint32_t* needed,
                          uint32_t* read) {
    return BlockRequest(buffer, length, needed, read, [&](uint32_t room, uint32_t* n,
                                                          uint32_t* r) {
        return SetOid(oid, buffer, room, n, r);
    });
}

int32_t Nds80211::IsWireless() {
    if (uint32_t size = ProbeOid(kOidGenSupportedList)) {
        ByteBuffer list;
        uint32_t written = 0;
        if (list.Reserve(static_cast<int32_t>(size)) &&
            QueryOid(kOidGenSupportedList, list.Data(), size, nullptr, &written) == kNdisSuccess) {
            uint32_t count = (written < size ? written : size) / 4;
            for (uint32_t i = 0; i < count; ++i) {
                uint32_t oid;
                std::memcpy(&oid, list.Data() + 4 * i, 4);
                if (oid == kOid80211Bssid) return 1;
            }
        }
    }
    uint8_t rates[8] = {};
    return QueryOid(kOid80211SupportedRates, rates, sizeof rates, nullptr, nullptr) ==
                   kNdisSuccess
               ? 1
               : 0;
}

Status Nds80211::RemoveWepKey(int32_t index) {
    if (index >= 0 && index < 4) wepKeys_[index].Clear();
    return SetOidU32(kOid80211RemoveWep, static_cast<uint32_t>(index)) == kNdisSuccess
               ? APS_OK
               : APS_UNAVAILABLE;
}

Status Nds80211::AddWepKey(int32_t index, int32_t length, const uint8_t* key) {
    // The key travels inside a request whose size must stay representable.
    if (length < 0 || (length > 0 && !key) ||
        static_cast<uint32_t>(length) > kMaxDriverAnswer)
        return APS_BAD_ARGUMENT;
    if (index >= 0 && index < 4 && key) wepKeys_[index].Assign(key, length);

    uint32_t keyIndex = static_cast<uint32_t>(index);
    if (index == transmitKeyIndex_)
        keyIndex |= kNdisTransmitKey;
    else if (bssType_ == static_cast<int32_t>(kNdisModeIbss))
        return APS_OK;

    const uint32_t size = static_cast<uint32_t>(length) + kNdisWepHeader + kNdisWepSlack;
    ByteBuffer request;
    if (!request.Reserve(static_cast<int32_t>(size))) return APS_UNAVAILABLE;
    const uint32_t header[3] = {size, keyIndex, static_cast<uint32_t>(length)};
    std::memcpy(request.Data(), header, sizeof header);
    if (length) std::memcpy(request.Data() + kNdisWepHeader, key, static_cast<uint32_t>(length));
    return SetOid(kOid80211AddWep, request.Data(), size, nullptr, nullptr) == kNdisSuccess
               ? APS_OK
               : APS_UNAVAILABLE;
}

Status Nds80211::GetRates(int32_t rates[kRateCount]) {
    rates[0] = rates[1] = 0;
    uint32_t size = ProbeOid(kOid80211SupportedRates);
    if (!size) return APS_OK;
    ByteBuffer answer;
    uint32_t written = 0;
    if (!answer.Reserve(static_cast<int32_t>(size)) ||
        QueryOid(kOid80211SupportedRates, answer.Data(), size, nullptr, &written) != kNdisSuccess)
        return APS_OK;
    uint32_t valid = written < size ? written : size;
    for (uint32_t i = 0; i < kRateCount; ++i) rates[i] = i < valid ? answer.Data()[i] & 0x7F : 0;
    return APS_OK;
}

Status Nds80211::GetTxRates(int32_t rates[kRateCount]) { return GetRates(rates); }

Status Nds80211::GetRxRates(int32_t rates[kRateCount]) { return GetRates(rates); }

Status Nds80211::GetRegDomains(int32_t& count, uint32_t* codes) {
    if (!codes || count < 1) return APS_BAD_ARGUMENT;
    count = 1;
    codes[0] = 0;
    return APS_OK;
}

Status Nds80211::SetRegDomains(int32_t&, const uint32_t*) { return APS_UNAVAILABLE; }

Status Nds80211::SetAuthMode(const AuthFlags& flags) {
    const uint32_t set = ToBits(flags);
    uint32_t mode = 2;
    for (const AuthRule& rule : kAuthRules) {
        if ((set & rule.flags) == rule.flags) {
            mode = rule.mode;
            break;
        }
    }
    return SetOidU32(kOid80211AuthenticationMode, mode) == kNdisSuccess ? APS_OK
                                                                        : APS_UNAVAILABLE;
}

Status Nds80211::GetAuthMode(AuthFlags& flags) {
    flags = AuthFlags{};
    uint32_t mode = 0;
    if (QueryOidU32(kOid80211AuthenticationMode, mode) != kNdisSuccess) return APS_UNAVAILABLE;
    constexpr uint32_t kLast = sizeof kAuthModeFlags / sizeof kAuthModeFlags[0] - 1;
    const uint32_t bits = kAuthModeFlags[mode < kLast ? mode : kLast];
    flags.open = (bits & kOpen) != 0;
    flags.shared = (bits & kShared) != 0;
    flags.automatic = (bits & kAutomatic) != 0;
    flags.wpa = (bits & kWpa) != 0;
    flags.wpaPsk = (bits & kWpaPsk) != 0;
    flags.wpaNone = (bits & kWpaNone) != 0;
    return APS_OK;
}

int32_t Nds80211::ParseDecimal(const char* text) {
    // Unsigned arithmetic: the drivers' text may hold anything, and wrapping is the answer.
    uint32_t value = 0;
    for (const char* c = text ? text : ""; *c; ++c)
        value = value * 10 + static_cast<uint32_t>(static_cast<signed char>(*c) - '0');
    return static_cast<int32_t>(value);
}

}  // namespace halvora
