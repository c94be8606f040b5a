// The status codes with their names and meanings, in one table used by the library, the tests and
// apstool alike. Header-only so that a front end can print names without linking the library.
#pragma once

#include "include/halvora.h"

#include <cstdint>
#include <string_view>

namespace halvora {

using Status = int32_t;
using MibId = uint32_t;  // a 32-bit MIB identifier

struct StatusInfo {
    Status code;
    std::string_view name;
    std::string_view meaning;
};

inline constexpr StatusInfo kStatusTable[] = {
    {APS_OK, "APS_OK", "success"},
    {APS_NOT_READY, "APS_NOT_READY", "the adapter did not become ready in time"},
    {APS_BAD_ARGUMENT, "APS_BAD_ARGUMENT", "null buffer, wrong length or value out of range"},
    {APS_INVALID, "APS_INVALID", "no such identifier, operation or handle"},
    {APS_NOT_BOUND, "APS_NOT_BOUND", "the MIB node has no adapter instance"},
    {APS_UNAVAILABLE, "APS_UNAVAILABLE", "the value is not available"},
};

// Unknown codes clamp to APS_UNAVAILABLE, the generic failure.
constexpr const StatusInfo& LookupStatus(Status code) {
    for (const StatusInfo& info : kStatusTable)
        if (info.code == code) return info;
    return kStatusTable[5];
}

}  // namespace halvora
