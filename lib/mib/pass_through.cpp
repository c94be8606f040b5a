#include "lib/mib/pass_through.h"

#include "lib/adapter/adapter_instance.h"

namespace halvora {

namespace {

constexpr DWORD kEventWaitMs = 10;

// Scans and BSSID lists need the radio on; a failed query or switch does not stop the request.
void EnsureRadioOn(AdapterInstance& adapter) {
    int32_t on = 0;
    if (adapter.GetU32(APS_radioEnabled, on) == APS_OK && on == 0) {
        const int32_t one = 1;
        adapter.SetU32(APS_radioEnabled, one);
    }
}

Status GetBlock(AdapterInstance& adapter, MibId id, const GetIo& io) {
    uint32_t needed = 0, written = 0;
    const Status status = adapter.GetBlock(id, io.buffer, io.length, &needed, &written);
    io.Need(needed);
    io.Wrote(written);
    return status;
}

Status SetBlock(AdapterInstance& adapter, MibId id, const SetIo& io) {
    uint32_t needed = 0, read = 0;
    const Status status = adapter.SetBlock(id, io.buffer, io.length, &needed, &read);
    io.Need(needed);
    io.Wrote(read);
    return status;
}

// The operation runs first; a buffer too small for its value is then reported as such.
Status Lenient(Status status, const GetIo& io, const void* value, int32_t size) {
    if (status != APS_OK) {
        io.Need(4);
        return status;
    }
    return CopyAtLeast(io, value, size);
}

Status GetReady(AdapterInstance& adapter, const GetIo& io) {
    if (!io.Exactly(4)) return WrongLength(io, 4);
    int32_t ready = 0;
    Status status = APS_OK;
    if (adapter.WaitBound(kEventWaitMs)) {
        if (adapter.WaitReady(kEventWaitMs))
            ready = 1;
        else
            status = APS_NOT_READY;
    }
    CopyExact(io, &ready, 4);
    return status;
}

}  // namespace

Status GetPassThrough(const Leaf& leaf, AdapterInstance* instance, const GetIo& io) {
    if (leaf.get == Form::Absent) return APS_UNAVAILABLE;
    if (leaf.get == Form::None || leaf.get == Form::Constant) return APS_INVALID;
    if (!instance) return APS_NOT_BOUND;
    AdapterInstance& adapter = *instance;
    const MibId id = leaf.id;

    switch (leaf.get) {
    case Form::Block: return GetBlock(adapter, id, io);
    case Form::RadioOnBlock:
        EnsureRadioOn(adapter);
        return GetBlock(adapter, id, io);
    case Form::StrictU32: {
        if (!io.Exactly(4)) return WrongLength(io, 4);
        int32_t value = 0;
        const Status status = adapter.GetU32(id, value);
        return status == APS_OK ? CopyExact(io, &value, 4) : status;
    }
    case Form::CheckedCounter: {
        uint32_t value = 0;
        const Status status = adapter.GetCounter(id, value);
        return status == APS_OK ? CopyExact(io, &value, 4) : status;
    }
    case Form::MacForm: {
        if (!io.AtLeast(6)) return WrongLength(io, 6);
        MacAddress mac = {};
        const Status status = adapter.GetMac(id, mac);
        return status == APS_OK ? CopyAtLeast(io, mac, 6) : status;
    }
    case Form::LenientU32: {
        int32_t value = 0;
        return Lenient(adapter.GetU32(id, value), io, &value, 4);
    }
    case Form::LenientCounter: {
        uint32_t value = 0;
        return Lenient(adapter.GetCounter(id, value), io, &value, 4);
    }
    case Form::LenientBytes: {
        ByteBuffer value;
        const Status status = adapter.GetBytes(id, value);
        if (status != APS_OK) return status;
        return CopyAtLeast(io, value.Data(), value.Length());
    }
    case Form::GuardedU32: {
        if (!io.AtLeast(4)) return APS_INVALID;
        int32_t value = 0;
        const Status status = adapter.GetU32(id, value);
        if (status != APS_OK) {
            io.Need(4);
            return status;
        }
        return CopyAtLeast(io, &value, 4);
    }
    case Form::Ready: return GetReady(adapter, io);
    default: return APS_INVALID;
    }
}

Status SetPassThrough(const Leaf& leaf, AdapterInstance* instance, const SetIo& io) {
    if (leaf.set == Form::Absent) return APS_UNAVAILABLE;
    if (leaf.set == Form::None) return APS_INVALID;
    if (!instance) return APS_NOT_BOUND;
    AdapterInstance& adapter = *instance;
    const MibId id = leaf.id;

    switch (leaf.set) {
    case Form::Block: return SetBlock(adapter, id, io);
    case Form::RadioOnBlock:
        EnsureRadioOn(adapter);
        return SetBlock(adapter, id, io);
    case Form::ExactU32: {
        if (!io.Exactly(4)) return WrongLength(io, 4);
        const Status status = adapter.SetU32(id, ReadInt(io.buffer));
        if (status == APS_OK) io.Need(4);
        return status;
    }
    case Form::MacForm: {
        if (!io.AtLeast(6)) return WrongLength(io, 6);
        MacAddress mac;
        std::memcpy(mac, io.buffer, sizeof mac);
        const Status status = adapter.SetMac(id, mac);
        if (status == APS_OK) io.Need(6);
        return status;
    }
    case Form::PlainU32: {
        if (!io.AtLeast(4)) return WrongLength(io, 4);
        io.Wrote(4);
        return adapter.SetU32(id, ReadInt(io.buffer));
    }
    case Form::GuardedU32: {
        if (!io.AtLeast(4)) return APS_INVALID;
        const Status status = adapter.SetU32(id, ReadInt(io.buffer));
        if (status == APS_OK)
            io.Wrote(4);
        else
            io.Need(4);
        return status;
    }
    default: return APS_INVALID;
    }
}

}  // namespace halvora
