// Simulated adapters for the adapter core's tests: inline machine texts with one adapter, and the
// stand-in's trace with that adapter's name taken out, so expected lines stay short.
#pragma once

#include "lib/adapter/nds80211.h"
#include "tests/support/trace.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace adapter_test {

constexpr char kName[] = "{5E0C1D2A-7B43-4F19-9C8E-2A6D4B1F3E70}";

// The simulated driver alone: `adapterValues` in its MolvexSim adapter key, `oids` in its Oids key,
// `libraryValues` in the MolvexSim key (REGEDIT4 value lines).
std::string Driver(const std::string& oids, const std::string& adapterValues = "",
                   const std::string& libraryValues = "");

// An NT 6 PC whose one wireless adapter carries kName, with that simulated driver.
std::string NtMachine(const std::string& oids, const std::string& adapterValues = "",
                      const std::string& libraryValues = "");

// Trace lines since the last call, with " <kName>" taken out of each.
std::vector<std::string> Trace();

// Lines of a request that succeeded: a query of len bytes answering `data` (hex), a set of
// `data` read whole.
std::string Query(const char* oid, const std::string& data);
std::string Query(const char* oid, uint32_t length, const std::string& data);
std::string Set(const char* oid, const std::string& data);

// Hex text of a 32-bit value as it crosses the driver interface ("2b090000" for 2347).
std::string Le32(uint32_t value);
// REGEDIT4 lines of a 32-bit or byte value, for example "0d01020a"=dword:0000092b.
std::string Dword(const char* name, uint32_t value);
std::string Hex(const char* name, const std::string& hex);

double MillisecondsSince(std::chrono::steady_clock::time_point start);

// True when the running Windows keeps its adapters the NT 5 and NT 6 way (NtMachine's layout).
bool IsNt5OrLater();

// A test on NtMachine: under Wine, modes of other families skip it.
class NtMachineTest : public testing_support::StandInTest {
protected:
    // Loads NtMachine(...) and drops the trace; false when the family does not fit.
    bool LoadNt(const std::string& oids, const std::string& adapterValues = "",
                const std::string& libraryValues = "");
};

#define LOAD_NT(...) \
    if (!LoadNt(__VA_ARGS__)) GTEST_SKIP() << "an NT 5 or NT 6 registry only"

// One simulated adapter opened directly, with a plain Nds80211 on its handle.
class Nds80211Test : public testing_support::StandInTest {
protected:
    // Loads the driver and opens it; the trace of the opening is dropped.
    void Open(const std::string& oids, const std::string& adapterValues = "");
    // Replaces the driver's answers; the handle and the object (with its state) stay.
    void Answer(const std::string& oids, const std::string& adapterValues = "");
    void TearDown() override;

    NIOC_HANDLE handle_ = 0;
    std::unique_ptr<halvora::Nds80211> adapter_;
};

}  // namespace adapter_test
