// MibLeafTable: the node that owns the leaves of one table, as rows of the catalogue. Cached
// columns answer Get and Set from the table's cache, which Refresh fills and Apply writes back
// through the adapter operation of the leaf's kind; every other column reaches the adapter on
// each Get or Set in its own form. Which columns a walk visits, and how, is the table's data.
#pragma once

#include "lib/adapter/byte_buffer.h"
#include "lib/adapter/adapter_ops.h"
#include "lib/mib/catalogue.h"
#include "lib/mib/mib_node.h"
#include "lib/mib/value_io.h"
#include "lib/mib/walk.h"

#include <span>

namespace halvora {

struct TableDef {
    MibId entry;                          // the prefix of the table's leaves
    int shift = kShiftEntry;              // 0: columns are matched on the whole identifier
    Walk apply = NoWalk();                // WalkForm::None: nothing to apply (Apply 3)
    Walk refresh = NoWalk();
    Status nothingToApply = APS_OK;       // Apply of a clean column
    Status readOnlyApply = APS_INVALID;   // Apply of a cached column that cannot be set
    bool clearDirtyAfterRefresh = false;  // RefreshAll also drops every unapplied change
};

// The cached value of one column.
struct Slot {
    int32_t number = 0;  // Int, U32 and Truth; the 4 bytes of a Raw value
    MacAddress mac = {};
    ByteBuffer bytes;    // Octets, kept NUL-terminated
};

class LeafTable : public MibNode {
public:
    LeafTable(const TableDef& def, std::span<Slot> slots);

    int GetShift() const override { return def_.shift; }
    Status Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Apply(MibId id) override;
    Status ApplyAll() override;
    Status Refresh(MibId id) override;
    Status RefreshAll() override;

protected:
    // Row tables: the current row's element of `column` (null: none), and the number of rows.
    virtual int32_t* Element(int column) { return nullptr; }
    virtual int32_t RowCount() const { return 0; }
    // Columns whose form is Own.
    virtual Status GetOwn(int column, const GetIo& io) { return APS_INVALID; }
    virtual Status SetOwn(int column, const SetIo& io) { return APS_INVALID; }

    static constexpr uint32_t Bit(int column) { return 1u << column; }
    const Leaf& Column(int n) const { return columns_[static_cast<size_t>(n) - 1]; }
    uint32_t AllColumns() const { return ColumnSpan(1, static_cast<int>(columns_.size())); }

    uint32_t valid_ = 0;  // bit n: column n holds a value read from the adapter
    uint32_t dirty_ = 0;  // bit n: column n was set and not yet applied
    int32_t index_ = 0;   // the current row of a row table

private:
    int Find(MibId id) const;
    Status GetCached(int n, const GetIo& io) const;
    Status SetCached(int n, const SetIo& io);
    bool StoreBytes(int n, const void* bytes, int32_t length);
    Status GetRow(int n, const GetIo& io);
    Status SetRow(int n, const SetIo& io);
    Status RefreshColumn(int n);
    Status ApplyColumn(int n);
    Status WalkColumns(const Walk& walk, Status (LeafTable::*step)(int));

    const TableDef& def_;
    std::span<const Leaf> columns_;
    std::span<Slot> slots_;
};

// A leaf table with a cache slot for each of its columns.
template <const TableDef& Def>
class CachedTable : public LeafTable {
public:
    CachedTable() : LeafTable(Def, slots_) {}

private:
    Slot slots_[LeavesUnder(Def.entry).size()];
};

}  // namespace halvora
