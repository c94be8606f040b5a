// A test double of the adapter instance: answers from small maps, records every call as a line
// ("GetU32 44104100", "SetU32 44104100 1000"), and can fail any identifier or everything.
#pragma once

#include "lib/adapter/adapter_instance.h"
#include "lib/mib/mib_root.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace mib_test {

using halvora::MibId;
using halvora::Status;

constexpr uint32_t kRejected = 0xFFFFFFFFu;  // `needed` of a value out of range

std::string Hex(const void* data, int32_t length);
std::string Hex32(MibId id);

// The tables a run of calls went to, in order, each run once: the entry of the identifier (its
// first five hex digits, "44104"), or the operation for calls without one ("GetAuthMode").
std::vector<std::string> TablesOf(const std::vector<std::string>& calls);

class FakeAdapter : public halvora::AdapterInstance {
public:
    FakeAdapter() : AdapterInstance(NoOpen{}) {}

    // Answers by identifier. Unknown identifiers answer -1, or a value made from the identifier
    // when `answerAll` is set (so a test can tell which leaf asked).
    std::map<MibId, int32_t> numbers;
    std::map<MibId, std::array<uint8_t, 6>> macs;
    std::map<MibId, std::string> bytes;
    std::map<MibId, std::string> blocks;
    std::map<MibId, Status> forced;  // every operation on the identifier answers this
    bool answerAll = false;
    Status everything = APS_OK;  // non-zero: every operation answers this

    int32_t txRates[halvora::kRateCount] = {2, 4, 11, 22, 12, 18, 24, 36};
    int32_t rxRates[halvora::kRateCount] = {2, 4, 11, 22, 0, 0, 0, 0};
    std::vector<uint32_t> regDomains = {0x10, 0x30, 0x40};
    int32_t regDomainCount = -1;  // >= 0: the count reported, whatever was written
    halvora::AuthFlags auth = {1, 1, 1, 0, 0, 0};
    std::map<std::string, Status> operationStatus;  // by operation name

    std::vector<std::string> calls;
    std::vector<std::string> TakeCalls() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }

    static int32_t Derived(MibId id) { return static_cast<int32_t>(id >> 7 & 0x7FFFF); }

    Status GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                    uint32_t* written) override;
    Status GetBytes(MibId id, halvora::ByteBuffer& value) override;
    Status GetMac(MibId id, halvora::MacAddress mac) override;
    Status GetU32(MibId id, int32_t& value) override;
    Status GetCounter(MibId id, uint32_t& value) override;
    Status SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                    uint32_t* read) override;
    Status SetBytes(MibId id, const halvora::ByteBuffer& value) override;
    Status SetMac(MibId id, const halvora::MacAddress mac) override;
    Status SetU32(MibId id, const int32_t& value) override;
    Status SetCounter(MibId id, const uint32_t& value) override;
    Status GetTxRates(int32_t rates[halvora::kRateCount]) override;
    Status GetRxRates(int32_t rates[halvora::kRateCount]) override;
    Status GetRegDomains(int32_t& count, uint32_t* codes) override;
    Status SetRegDomains(int32_t& rowIndex, const uint32_t* codes) override;
    Status GetAuthMode(halvora::AuthFlags& flags) override;
    Status SetAuthMode(const halvora::AuthFlags& flags) override;
    Status AddWepKey(int32_t index, int32_t length, const uint8_t* key) override;
    Status RemoveWepKey(int32_t index) override;
    int32_t IsWireless() override { return 1; }

private:
    // The status an operation answers before it does anything; 0 lets it run.
    Status Forced(const char* operation, MibId id) const;
    Status Number(const char* operation, MibId id, int32_t& value);
    void Record(const char* operation, MibId id, const std::string& detail = "");
};

// Status, needed and written of one Get or Set.
struct Answer {
    Status status;
    uint32_t needed;
    uint32_t written;
    bool operator==(const Answer&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Answer& a);

// A MIB root on a fake adapter; Bind() reads the caches and forgets the calls it made.
class MibTest : public ::testing::Test {
protected:
    MibTest();

    void Bind() {
        root->BindOwned();
        adapter->calls.clear();
    }

    Answer Get(MibId id, void* buffer, int32_t length);
    Answer Set(MibId id, const void* buffer, int32_t length);
    Answer SetInt(MibId id, int32_t value) { return Set(id, &value, 4); }
    // The value of a 4-byte leaf; the status must be 0.
    int32_t IntOf(MibId id);
    std::string BytesOf(MibId id);

    FakeAdapter* adapter;
    std::unique_ptr<halvora::MibRoot> root;
};

}  // namespace mib_test
