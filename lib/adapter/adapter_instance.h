// AdapterInstance: one opened network adapter. Created from an instance name, it finds the adapter
// in the registry, opens it through the NDIS I/O library, has the factory create its adapter
// object and makes sure the driver is bound. The MIB reaches the adapter only through the twenty
// operations below, each of which first waits up to 10 ms for the adapter to be ready.
#pragma once

#include "lib/adapter/adapter_ops.h"
#include "lib/adapter/nioc.h"
#include "lib/platform/win32.h"

#include <memory>
#include <string>

namespace halvora {

class Nds80211;
struct AdapterRecord;

class AdapterInstance {
public:
    // Never fails as such: when opening fails there is no adapter object and the events stay
    // clear. Names of 260 characters or more are refused (nothing is opened).
    explicit AdapterInstance(const char* instanceName);
    AdapterInstance(const AdapterInstance&) = delete;
    AdapterInstance& operator=(const AdapterInstance&) = delete;

    // Forwarded operations: -1 without adapter object, 1 when not ready within 10 ms, else the
    // adapter object's answer.
    virtual Status GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                            uint32_t* written);
    virtual Status GetBytes(MibId id, ByteBuffer& value);
    virtual Status GetMac(MibId id, MacAddress mac);
    virtual Status GetU32(MibId id, int32_t& value);
    virtual Status GetCounter(MibId id, uint32_t& value);
    virtual Status SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                            uint32_t* read);
    virtual Status SetBytes(MibId id, const ByteBuffer& value);
    virtual Status SetMac(MibId id, const MacAddress mac);
    virtual Status SetU32(MibId id, const int32_t& value);
    virtual Status SetCounter(MibId id, const uint32_t& value);
    virtual Status GetTxRates(int32_t rates[kRateCount]);
    virtual Status GetRxRates(int32_t rates[kRateCount]);
    virtual Status GetRegDomains(int32_t& count, uint32_t* codes);
    virtual Status SetRegDomains(int32_t& rowIndex, const uint32_t* codes);
    virtual Status GetAuthMode(AuthFlags& flags);
    virtual Status SetAuthMode(const AuthFlags& flags);
    virtual Status AddWepKey(int32_t index, int32_t length, const uint8_t* key);
    virtual Status RemoveWepKey(int32_t index);
    // Does not wait: 1 when the adapter was wireless at opening, else the adapter object's answer.
    virtual int32_t IsWireless();
    virtual ~AdapterInstance();

    // True unless a single wait of up to ms milliseconds on the event ends by time-out.
    bool WaitBound(DWORD ms);
    bool WaitReady(DWORD ms);
    bool CheckBound();
    bool EnsureBound();

    // The handler registered with the NDIS I/O library; it only sets and clears the events.
    static void NIOC_CALL OnStatus(uint32_t code, void* context);

    const char* Name() const { return name_; }
    const std::string& DriverKeyPath() const { return driverKeyPath_; }
    Nds80211* Adapter() const { return adapter_.get(); }

protected:
    // For test doubles that stand in for an opened adapter: nothing is opened, both events are
    // set (bound and ready).
    struct NoOpen {};
    explicit AdapterInstance(NoOpen);

private:
    void Open();
    template <typename Call>
    Status Forward(Call call);

    char name_[260] = {};
    std::string driverKeyPath_;
    std::unique_ptr<AdapterRecord> record_;
    std::unique_ptr<Nds80211> adapter_;
    NIOC_HANDLE handle_ = 0;
    HANDLE boundEvent_ = nullptr;
    HANDLE readyEvent_ = nullptr;
    int32_t wireless_ = 0;
};

}  // namespace halvora
