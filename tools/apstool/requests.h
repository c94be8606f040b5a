// One MIB request as the commands make it: a read into a buffer of a given length whose start may
// carry input, or a write of a value (or of no buffer at all), with the status and both counts.
#pragma once

#include "include/halvora.h"
#include "tools/apstool/leaves.h"
#include "tools/apstool/values.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace apstool {

// Lengths a user may ask for; larger buffers are refused, not allocated.
inline constexpr int32_t kMaxLength = 1 << 20;

struct Answer {
    int32_t status = APS_OK;
    uint32_t needed = 0;
    uint32_t written = 0;
    std::vector<uint8_t> bytes;  // the buffer after a read, cut to `written`
};

// grow: when octets or raw do not fit, read once more with the length the leaf asked for.
Answer Read(APS_MIB mib, const Target& target, int32_t length, const std::vector<uint8_t>& input,
            bool grow);

// The buffer is the value, zero-padded to `length` when that is given and larger; without a
// length the value's own size is sent (0 for no buffer).
Answer Write(APS_MIB mib, const Target& target, const ValueBytes& value,
             std::optional<int32_t> length = std::nullopt);

// "APS_BAD_ARGUMENT 2 (needs 4 bytes)", "APS_UNAVAILABLE -1 (the value is not available)".
std::string Describe(const Answer& answer);

}  // namespace apstool
