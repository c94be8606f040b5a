// Signatures shared by the adapter instance and the adapter objects, so the two stay in step.
#pragma once

#include "lib/adapter/byte_buffer.h"
#include "lib/exports/status.h"

#include <cstdint>

namespace halvora {

using MacAddress = uint8_t[6];

// Six authentication flags in the order of the authentication algorithms table rows.
struct AuthFlags {
    int32_t open = 0;
    int32_t shared = 0;
    int32_t automatic = 0;
    int32_t wpa = 0;
    int32_t wpaPsk = 0;
    int32_t wpaNone = 0;
};

constexpr int kRateCount = 8;

}  // namespace halvora
