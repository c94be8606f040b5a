// Helpers for the stand-in's own tests: one simulated adapter opened from inline machine text.
#pragma once

#include "lib/adapter/nioc.h"
#include "tests/support/trace.h"

#include <cstdint>
#include <string>
#include <vector>

namespace molvex_test {

constexpr char kAdapter[] = "{A1}";
constexpr char kAdapterKey[] = "SOFTWARE\\MolvexSim\\Adapters\\{A1}";

// A machine with adapter {A1}: its key values and its Oids values as REGEDIT4 lines.
std::string Machine(const std::string& adapterValues, const std::string& oidValues);

struct Reply {
    BOOL reached = FALSE;
    uint32_t status = 0, needed = 0, count = 0;
    std::vector<uint8_t> data;  // the buffer after the call
};

// A query with a buffer of `length` bytes that starts with `input` (the rest 0xEE).
Reply Query(NIOC_HANDLE h, uint32_t oid, uint32_t length, const std::vector<uint8_t>& input = {});
Reply Set(NIOC_HANDLE h, uint32_t oid, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Le32(uint32_t v);

class StandIn : public testing_support::StandInTest {
protected:
    // Loads the machine and opens {A1}; the trace of the opening is dropped.
    NIOC_HANDLE Open(const std::string& machine);
};

}  // namespace molvex_test
