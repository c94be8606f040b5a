#include "lib/mib/row_tables.h"

#include "lib/adapter/adapter_instance.h"

#include <algorithm>

namespace halvora {

// --- authentication algorithms -------------------------------------------------------------

AuthAlgorithmsTable::AuthAlgorithmsTable(const TableDef& def) : LeafTable(def, {}) {
    valid_ = AllColumns();  // needs no read before use
}

Status AuthAlgorithmsTable::Bind(AdapterInstance* instance) {
    instance_ = instance;
    index_ = 0;
    for (int r = 0; r < 6; ++r) rows_[r] = {r + 1, 1};
    return RefreshAll();
}

int32_t* AuthAlgorithmsTable::Element(int column) {
    if (index_ < 0 || index_ >= 8) return nullptr;
    Row& row = rows_[index_];
    return column == 2 ? &row.algorithm : &row.enable;
}

Status AuthAlgorithmsTable::RefreshAll() {
    if (!instance_) return APS_NOT_BOUND;
    AuthFlags flags;
    const Status status = instance_->GetAuthMode(flags);
    if (status != APS_OK) return status;
    const int32_t enables[6] = {flags.open, flags.shared, flags.automatic,
                                flags.wpa,  flags.wpaPsk, flags.wpaNone};
    for (int r = 0; r < 6; ++r) rows_[r].enable = enables[r];
    dirty_ = 0;
    return APS_OK;
}

Status AuthAlgorithmsTable::ApplyAll() {
    if (!instance_) return APS_NOT_BOUND;
    if (!dirty_) return APS_OK;
    AuthFlags flags;
    flags.open = rows_[0].enable;
    flags.shared = rows_[1].enable;
    flags.automatic = rows_[2].enable;
    flags.wpa = rows_[3].enable;
    flags.wpaPsk = rows_[4].enable;
    flags.wpaNone = rows_[5].enable;
    const Status status = instance_->SetAuthMode(flags);
    if (status == APS_OK) dirty_ = 0;
    return status;
}

// --- WEP default keys ----------------------------------------------------------------------

namespace {

constexpr int32_t kMinKeyLength = 5;

}  // namespace

WepKeysTable::WepKeysTable(const TableDef& def) : LeafTable(def, {}) {
    valid_ = AllColumns();
    index_ = 1;
}

Status WepKeysTable::GetOwn(int column, const GetIo& io) {
    const ByteBuffer& key = CurrentKey();
    return CopyAtLeast(io, key.Data(), key.Length());
}

Status WepKeysTable::SetOwn(int column, const SetIo& io) {
    if (column == 1) {
        if (!io.Exactly(4)) return WrongLength(io, 4);
        const int32_t index = ReadInt(io.buffer);
        if (!Column(1).check.Accepts(index)) return APS_BAD_ARGUMENT;
        index_ = index;
        io.Wrote(4);
        return APS_OK;
    }
    if (!io.AtLeast(kMinKeyLength)) return WrongLength(io, kMinKeyLength);
    if (!CurrentKey().Assign(io.buffer, io.length)) return APS_UNAVAILABLE;
    dirty_ |= Bit(2);
    return APS_OK;
}

Status WepKeysTable::RefreshAll() {
    static constexpr uint8_t kZeros[kMinKeyLength] = {};
    dirty_ = 0;
    index_ = 1;
    Status status = APS_OK;
    for (ByteBuffer& key : keys_)
        if (!key.Assign(kZeros, kMinKeyLength)) status = APS_UNAVAILABLE;
    return status;
}

// The first failure is returned at once and the keys stay dirty, so a later apply sends all
// four again.
Status WepKeysTable::ApplyAll() {
    if (!instance_) return APS_NOT_BOUND;
    if (!dirty_) return APS_OK;
    for (int32_t k = 0; k < 4; ++k) {
        const Status status = instance_->AddWepKey(k, keys_[k].Length(), keys_[k].Data());
        if (status != APS_OK) return status;
    }
    dirty_ = 0;
    return APS_OK;
}

// --- regulatory domains --------------------------------------------------------------------

int32_t* RegDomainsTable::Element(int column) {
    if (index_ < 0 || index_ >= count_) return nullptr;
    return &codes_[index_];
}

// The adapter's count is clamped to the table's capacity: rows past it do not exist.
Status RegDomainsTable::RefreshAll() {
    if (!instance_) return APS_NOT_BOUND;
    index_ = 0;
    int32_t count = kCapacity;
    uint32_t codes[kCapacity] = {};
    const Status status = instance_->GetRegDomains(count, codes);
    if (status != APS_OK) return status;
    if (count <= 0) {
        valid_ = 0;
        count_ = 0;
        return APS_OK;
    }
    count_ = std::min(count, kCapacity);
    for (int32_t i = 0; i < count_; ++i) codes_[i] = static_cast<int32_t>(codes[i]);
    dirty_ = 0;
    valid_ = AllColumns();
    return APS_OK;
}

// Writing a value asks the adapter; the cached codes are not changed.
Status RegDomainsTable::SetOwn(int column, const SetIo& io) {
    if (!io.AtLeast(4)) return WrongLength(io, 4);
    if (!instance_) return APS_NOT_BOUND;
    const uint32_t code = static_cast<uint32_t>(ReadInt(io.buffer));
    const Status status = instance_->SetRegDomains(index_, &code);
    if (status == APS_OK) io.Need(4);
    return status;
}

// --- supported data rates ------------------------------------------------------------------

int32_t* RatesTable::Element(int column) {
    if (index_ < 1 || index_ > kRateCount) return nullptr;
    return &rates_[index_ - 1];
}

Status RatesTable::RefreshAll() {
    if (!instance_) return APS_NOT_BOUND;
    index_ = 1;
    int32_t rates[kRateCount] = {};
    const Status status = direction_ == Direction::Transmit ? instance_->GetTxRates(rates)
                                                            : instance_->GetRxRates(rates);
    if (status != APS_OK) return status;
    std::copy(rates, rates + kRateCount, rates_);
    dirty_ = 0;
    valid_ = AllColumns();
    return APS_OK;
}

}  // namespace halvora
