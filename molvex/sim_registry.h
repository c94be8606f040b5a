// Where the simulated library and its adapters keep their state: values below
// HKLM\SOFTWARE\MolvexSim, read afresh on every request so a test may change them between calls.
#pragma once

#include "lib/platform/win32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace molvex {

extern const char kSimKey[];  // "SOFTWARE\MolvexSim"

// A raw registry value: its type and its bytes, whatever the type.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<uint8_t> bytes;
};

// Registry key of an adapter, or empty when the name cannot be one (empty, or it would reach
// into another key).
std::string AdapterKey(const char* instance);
std::string OidKey(const std::string& adapterKey);

bool KeyExists(const std::string& path);
// The DWORD value, or fallback when it is absent or not a number.
uint32_t DwordOr(const std::string& path, const char* name, uint32_t fallback);
// False when the value is absent or not a number of 4 bytes or more.
bool ReadDword(const std::string& path, const char* name, uint32_t& out);
bool ReadRaw(const std::string& path, const std::string& name, RawValue& out);
bool WriteRaw(const std::string& path, const std::string& name, DWORD type, const uint8_t* bytes,
              uint32_t size);
// Names of every value of the key, in enumeration order; empty when it does not open.
std::vector<std::string> ValueNames(const std::string& path);

}  // namespace molvex
