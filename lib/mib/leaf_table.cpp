#include "lib/mib/leaf_table.h"

#include "lib/adapter/adapter_instance.h"
#include "lib/mib/pass_through.h"

namespace halvora {

namespace {

constexpr bool IsCached(const Leaf& leaf) { return leaf.get == Form::Cached; }

// A 4-byte value the leaf's check accepts.
Status ReadChecked(const SetIo& io, const Leaf& leaf, int32_t rowCount, int32_t& value) {
    if (!io.Exactly(4)) return WrongLength(io, 4);
    value = ReadInt(io.buffer);
    if (!leaf.check.Accepts(value, rowCount)) {
        io.Need(kRejectedValue);
        return APS_BAD_ARGUMENT;
    }
    return APS_OK;
}

}  // namespace

LeafTable::LeafTable(const TableDef& def, std::span<Slot> slots)
    : def_(def), columns_(LeavesUnder(def.entry)), slots_(slots) {}

int LeafTable::Find(MibId id) const {
    const MibId prefix = RoutingPrefix(id, GetShift());
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].id == prefix) return static_cast<int>(i) + 1;
    return 0;
}

Status LeafTable::Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
                      uint32_t* written) {
    const GetIo io{buffer, length, needed, written};
    io.Need(0);
    io.Wrote(0);
    const int n = Find(id);
    if (!n) return APS_INVALID;
    switch (Column(n).get) {
    case Form::Cached: return GetCached(n, io);
    case Form::RowIndex:
    case Form::RowElement: return GetRow(n, io);
    case Form::Own: return GetOwn(n, io);
    default: return GetPassThrough(Column(n), instance_, io);
    }
}

Status LeafTable::Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                      uint32_t* written) {
    const SetIo io{buffer, length, needed, written};
    io.Need(0);
    io.Wrote(0);
    const int n = Find(id);
    if (!n) return APS_INVALID;
    switch (Column(n).set) {
    case Form::Cached:
    case Form::Ssid:
    case Form::RateSet: return SetCached(n, io);
    case Form::RowIndex:
    case Form::RowElement: return SetRow(n, io);
    case Form::Own: return SetOwn(n, io);
    default: return SetPassThrough(Column(n), instance_, io);
    }
}

Status LeafTable::GetCached(int n, const GetIo& io) const {
    if (!(valid_ & Bit(n))) return APS_UNAVAILABLE;
    const Leaf& leaf = Column(n);
    const Slot& slot = slots_[static_cast<size_t>(n) - 1];
    switch (leaf.kind) {
    case LeafKind::Mac: return CopyExact(io, slot.mac, 6);
    case LeafKind::Octets: return CopyAtLeast(io, slot.bytes.Data(), slot.bytes.Length());
    case LeafKind::Raw: return CopyAtLeast(io, &slot.number, 4);
    default: {
        const int32_t value = (leaf.flags & kLowThreeBits) ? (slot.number & 7) : slot.number;
        return CopyExact(io, &value, 4);
    }
    }
}

Status LeafTable::SetCached(int n, const SetIo& io) {
    const Leaf& leaf = Column(n);
    Slot& slot = slots_[static_cast<size_t>(n) - 1];
    // A value can be set only once it has been read.
    if (!(valid_ & Bit(n)))
        return (leaf.flags & kUnreadSetRejected) ? APS_BAD_ARGUMENT : APS_UNAVAILABLE;

    if (leaf.set == Form::Ssid) {
        constexpr int32_t kMaxSsid = 32;
        if (io.buffer && io.length > kMaxSsid) return APS_UNAVAILABLE;
        // A null buffer empties the SSID; a negative length keeps it but sends it again.
        if (!io.buffer || io.length >= 0) {
            if (!StoreBytes(n, io.buffer, io.buffer ? io.length : 0)) return APS_UNAVAILABLE;
        }
    } else if (leaf.set == Form::RateSet) {
        if (!io.buffer || io.length <= 0) {
            io.Need(kRejectedValue);
            return APS_UNAVAILABLE;
        }
        if (!StoreBytes(n, io.buffer, io.length)) return APS_UNAVAILABLE;
    } else if (leaf.kind == LeafKind::Mac) {
        if (!io.Exactly(6)) return WrongLength(io, 6);
        std::memcpy(slot.mac, io.buffer, 6);
    } else if (leaf.kind == LeafKind::Int || leaf.kind == LeafKind::U32 ||
               leaf.kind == LeafKind::Truth) {
        int32_t value = 0;
        if (Status status = ReadChecked(io, leaf, RowCount(), value)) return status;
        slot.number = leaf.kind == LeafKind::Truth ? (value != 0) : value;
    } else {
        return APS_INVALID;
    }
    dirty_ |= Bit(n);
    return APS_OK;
}

Status LeafTable::GetRow(int n, const GetIo& io) {
    if (!(valid_ & Bit(n))) return APS_UNAVAILABLE;
    if (Column(n).get == Form::RowIndex) return CopyExact(io, &index_, 4);
    const int32_t* element = Element(n);
    if (!element) return APS_UNAVAILABLE;
    return CopyExact(io, element, 4);
}

// Choosing a row never makes anything dirty; changing an element does.
Status LeafTable::SetRow(int n, const SetIo& io) {
    const Leaf& leaf = Column(n);
    if (!(valid_ & Bit(n))) return APS_UNAVAILABLE;
    int32_t value = 0;
    if (Status status = ReadChecked(io, leaf, RowCount(), value)) return status;
    if (leaf.set == Form::RowIndex) {
        index_ = value;
        return APS_OK;
    }
    int32_t* element = Element(n);
    if (!element) return APS_UNAVAILABLE;
    *element = leaf.kind == LeafKind::Truth ? (value != 0) : value;
    dirty_ |= Bit(n);
    return APS_OK;
}

// Out of memory loses the old bytes too: the column is then not read.
bool LeafTable::StoreBytes(int n, const void* bytes, int32_t length) {
    if (slots_[static_cast<size_t>(n) - 1].bytes.Assign(bytes, length)) return true;
    valid_ &= ~Bit(n);
    return false;
}

// Reads into a copy of the cached value, so a failed read changes nothing.
Status LeafTable::RefreshColumn(int n) {
    if (!instance_) return APS_NOT_BOUND;
    AdapterInstance& adapter = *instance_;
    const Leaf& leaf = Column(n);
    Slot& slot = slots_[static_cast<size_t>(n) - 1];
    Status status = APS_INVALID;
    switch (leaf.kind) {
    case LeafKind::Int:
    case LeafKind::Truth: {
        int32_t value = slot.number;
        status = adapter.GetU32(leaf.id, value);
        if (status == APS_OK) slot.number = value;
        break;
    }
    case LeafKind::U32: {
        uint32_t value = static_cast<uint32_t>(slot.number);
        status = adapter.GetCounter(leaf.id, value);
        if (status == APS_OK) slot.number = static_cast<int32_t>(value);
        break;
    }
    case LeafKind::Mac: {
        MacAddress mac;
        std::memcpy(mac, slot.mac, sizeof mac);
        status = adapter.GetMac(leaf.id, mac);
        if (status == APS_OK) std::memcpy(slot.mac, mac, sizeof mac);
        break;
    }
    case LeafKind::Octets: {
        ByteBuffer value;
        if (!value.Assign(slot.bytes.Data(), slot.bytes.Length())) return APS_UNAVAILABLE;
        status = adapter.GetBytes(leaf.id, value);
        if (status == APS_OK && !StoreBytes(n, value.Data(), value.Length()))
            status = APS_UNAVAILABLE;
        break;
    }
    case LeafKind::Raw: {
        int32_t value = slot.number;
        uint32_t needed = 0, written = 0;
        status = adapter.GetBlock(leaf.id, &value, 4, &needed, &written);
        if (status == APS_OK) slot.number = value;
        break;
    }
    }
    if (status == APS_OK) {
        valid_ |= Bit(n);
        dirty_ &= ~Bit(n);
    }
    return status;
}

// Apply never re-reads: the cached value stays as it was set.
Status LeafTable::ApplyColumn(int n) {
    const Leaf& leaf = Column(n);
    if (leaf.set == Form::None) return def_.readOnlyApply;
    if (!(dirty_ & Bit(n))) return def_.nothingToApply;
    if (!instance_) return APS_NOT_BOUND;
    AdapterInstance& adapter = *instance_;
    const Slot& slot = slots_[static_cast<size_t>(n) - 1];
    Status status = APS_INVALID;
    switch (leaf.kind) {
    case LeafKind::Int:
    case LeafKind::Truth: status = adapter.SetU32(leaf.id, slot.number); break;
    case LeafKind::U32: {
        const uint32_t value = static_cast<uint32_t>(slot.number);
        status = adapter.SetCounter(leaf.id, value);
        break;
    }
    case LeafKind::Mac: status = adapter.SetMac(leaf.id, slot.mac); break;
    case LeafKind::Octets: status = adapter.SetBytes(leaf.id, slot.bytes); break;
    case LeafKind::Raw: break;
    }
    if (status == APS_OK) dirty_ &= ~Bit(n);
    return status;
}

Status LeafTable::Apply(MibId id) {
    if (def_.apply.form == WalkForm::None) return APS_INVALID;
    const int n = Find(id);
    if (n && IsCached(Column(n))) return ApplyColumn(n);
    if (n && (Column(n).flags & kLocal)) return APS_INVALID;
    return ApplyAll();
}

Status LeafTable::Refresh(MibId id) {
    if (def_.refresh.form == WalkForm::None) return APS_INVALID;
    const int n = Find(id);
    if (n && IsCached(Column(n))) return RefreshColumn(n);
    if (n && (Column(n).flags & kLocal)) return APS_INVALID;
    return RefreshAll();
}

Status LeafTable::ApplyAll() { return WalkColumns(def_.apply, &LeafTable::ApplyColumn); }

Status LeafTable::RefreshAll() {
    const Status status = WalkColumns(def_.refresh, &LeafTable::RefreshColumn);
    if (def_.clearDirtyAfterRefresh) dirty_ = 0;
    return status;
}

Status LeafTable::WalkColumns(const Walk& walk, Status (LeafTable::*step)(int)) {
    int columns[32];
    int count = 0;
    for (int c = 1; c <= static_cast<int>(columns_.size()) && c < 32; ++c)
        if ((walk.columns & Bit(c)) && IsCached(Column(c))) columns[count++] = c;
    return RunWalk(walk, count, [&](int i) { return (this->*step)(columns[i]); });
}

}  // namespace halvora
