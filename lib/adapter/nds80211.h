// Nds80211: the adapter object for any driver that speaks the standard NDIS 802.11 interface, and
// the base class of every chipset class. Each operation takes a MIB identifier (where it has one);
// an override answers the identifiers it knows and passes every other one to the operation it
// overrides, so that this class answers last:
//
//     Status GetU32(MibId id, int32_t& value) override {
//         if (id == APS_dot11RTSThreshold) return QueryOidU32(kOidPrivateRts, value) ? -1 : 0;
//         return Nds80211::GetU32(id, value);
//     }
//
// Results are status codes: 0 success, -1 not served or the request failed, 2 a block buffer too
// small (needed tells the size) or an argument that cannot be sent.
#pragma once

#include "lib/adapter/adapter_ops.h"
#include "lib/adapter/ndis.h"
#include "lib/adapter/nioc.h"

#include <string>

namespace halvora {

class Nds80211 {
public:
    explicit Nds80211(NIOC_HANDLE handle);
    Nds80211(const Nds80211&) = delete;
    Nds80211& operator=(const Nds80211&) = delete;

    // 1 when the driver answers 802.11 requests: OID_802_11_BSSID in its supported list, or an
    // answer to the supported rates.
    virtual int32_t IsWireless();
    // Forgets the key copy of index 0..3 and asks the driver to remove that key.
    virtual Status RemoveWepKey(int32_t index);
    // Adds a WEP key; the transmit key carries bit 31; in IBSS mode other keys are not sent.
    virtual Status AddWepKey(int32_t index, int32_t length, const uint8_t* key);
    // Supported rates, 8 entries, bit 7 cleared, 0 where the driver gave none; always succeeds.
    virtual Status GetTxRates(int32_t rates[kRateCount]);
    virtual Status GetRxRates(int32_t rates[kRateCount]);
    // count: in, the capacity of codes; out, the number of codes written.
    virtual Status GetRegDomains(int32_t& count, uint32_t* codes);
    virtual Status SetRegDomains(int32_t& rowIndex, const uint32_t* codes);
    virtual Status SetAuthMode(const AuthFlags& flags);
    virtual Status GetAuthMode(AuthFlags& flags);
    // Blocks travel in the caller's buffer; `read` and `written` never exceed `length`.
    virtual Status SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                            uint32_t* read);
    virtual Status SetU32(MibId id, const int32_t& value);
    virtual Status SetCounter(MibId id, const uint32_t& value);
    virtual Status SetMac(MibId id, const MacAddress mac);
    virtual Status SetBytes(MibId id, const ByteBuffer& value);
    virtual Status GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                            uint32_t* written);
    virtual Status GetU32(MibId id, int32_t& value);
    virtual Status GetCounter(MibId id, uint32_t& value);
    virtual Status GetMac(MibId id, MacAddress mac);
    virtual Status GetBytes(MibId id, ByteBuffer& value);
    // Decimal text as the drivers store it: no digit check, an empty text gives 0.
    virtual int32_t ParseDecimal(const char* text);
    virtual ~Nds80211();

    const std::string& ClassName() const { return className_; }
    const std::string& DriverKeyPath() const { return driverKeyPath_; }
    void SetDriverKeyPath(const std::string& path) { driverKeyPath_ = path; }

protected:
    // The two request helpers every class sends NDIS requests through; they return the NDIS
    // status, NDIS_STATUS_FAILURE when the request did not reach the driver. `needed` and
    // `written` may be null.
    uint32_t QueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t* needed,
                      uint32_t* written);
    uint32_t SetOid(uint32_t oid, const void* buffer, uint32_t length, uint32_t* needed,
                    uint32_t* read);

    // Shorthands over the helpers above for the common cases.
    uint32_t QueryOidU32(uint32_t oid, uint32_t& value);
    uint32_t QueryOidU32(uint32_t oid, int32_t& value);
    uint32_t SetOidU32(uint32_t oid, uint32_t value);
    // The size the driver announces for a query of `oid`, 0 when it announces none or one
    // beyond kMaxDriverAnswer.
    uint32_t ProbeOid(uint32_t oid);
    // A block request in the caller's buffer: 0 with `done` set, 2 with `needed` set when the
    // driver wants more room, -1 otherwise (a driver claiming more than `length` included).
    Status BlockQuery(uint32_t oid, void* buffer, int32_t length, uint32_t* needed,
                      uint32_t* written);
    Status BlockSet(uint32_t oid, const void* buffer, int32_t length, uint32_t* needed,
                    uint32_t* read);

    std::string driverKeyPath_;
    NdisSsid lastSsid_;
    NIOC_HANDLE handle_;
    std::string className_ = "Nds80211";
    int32_t transmitKeyIndex_ = 0;
    ByteBuffer wepKeys_[4];
    int32_t bssType_ = kNdisModeAutomatic;

private:
    Status GetFrequency(int32_t& value);
    Status SetFrequency(int32_t value);
    Status GetSsid(ByteBuffer& value);
    Status GetRateSet(ByteBuffer& value);
    Status GetRates(int32_t rates[kRateCount]);
};

}  // namespace halvora
