// The caller's side of one Get or Set: buffer, length and the two counters (either may be null).
#pragma once

#include "lib/exports/status.h"

#include <cstring>

namespace halvora {

template <typename Byte>
struct ValueIo {
    Byte* buffer;
    int32_t length;
    uint32_t* needed;
    uint32_t* written;

    void Need(uint32_t n) const {
        if (needed) *needed = n;
    }
    void Wrote(uint32_t n) const {
        if (written) *written = n;
    }
    bool Exactly(int32_t n) const { return buffer && length == n; }
    bool AtLeast(int32_t n) const { return buffer && length >= n; }
};

using GetIo = ValueIo<void>;
using SetIo = ValueIo<const void>;

inline constexpr uint32_t kRejectedValue = 0xFFFFFFFFu;  // `needed` of a value out of range

// The buffer does not fit the value: `needed` tells the length it must have.
template <typename Byte>
Status WrongLength(const ValueIo<Byte>& io, int32_t size) {
    io.Need(static_cast<uint32_t>(size));
    return APS_BAD_ARGUMENT;
}

// A fixed-size value: the length must be exact.
inline Status CopyExact(const GetIo& io, const void* value, int32_t size) {
    if (!io.Exactly(size)) return WrongLength(io, size);
    std::memcpy(io.buffer, value, static_cast<size_t>(size));
    io.Wrote(static_cast<uint32_t>(size));
    return APS_OK;
}

// A value of variable size: the buffer must hold it; no terminator is copied.
inline Status CopyAtLeast(const GetIo& io, const void* value, int32_t size) {
    if (!io.AtLeast(size)) return WrongLength(io, size);
    if (size > 0) std::memcpy(io.buffer, value, static_cast<size_t>(size));
    io.Wrote(static_cast<uint32_t>(size));
    return APS_OK;
}

inline int32_t ReadInt(const void* bytes) {
    int32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace halvora
