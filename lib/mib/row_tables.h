// Row tables: a current-row column selects which element the other columns read. The index
// belongs to the table, not to the adapter; the whole table is read (and written) with one
// adapter call.
#pragma once

#include "lib/mib/leaf_table.h"

namespace halvora {

// Six authentication algorithms (rows 0 to 5) and two unused rows; one dirty flag.
class AuthAlgorithmsTable : public LeafTable {
public:
    explicit AuthAlgorithmsTable(const TableDef& def);
    Status Bind(AdapterInstance* instance) override;
    Status ApplyAll() override;
    Status RefreshAll() override;

protected:
    int32_t* Element(int column) override;

private:
    struct Row {
        int32_t algorithm = 0;
        int32_t enable = 0;
    };
    Row rows_[8];
};

// The four WEP default keys. They cannot be read back: a refresh makes them zeros, and an
// apply always sends all four.
class WepKeysTable : public LeafTable {
public:
    explicit WepKeysTable(const TableDef& def);
    Status ApplyAll() override;
    Status RefreshAll() override;

protected:
    Status GetOwn(int column, const GetIo& io) override;
    Status SetOwn(int column, const SetIo& io) override;

private:
    ByteBuffer& CurrentKey() { return keys_[index_ - 1]; }
    ByteBuffer keys_[4];
};

// The regulatory domains the adapter reports, 0-based rows up to the reported count.
class RegDomainsTable : public LeafTable {
public:
    explicit RegDomainsTable(const TableDef& def) : LeafTable(def, {}) {}
    Status RefreshAll() override;

protected:
    int32_t* Element(int column) override;
    int32_t RowCount() const override { return count_; }
    Status SetOwn(int column, const SetIo& io) override;

private:
    static constexpr int32_t kCapacity = 16;
    int32_t count_ = 0;
    int32_t codes_[kCapacity] = {};
};

// The supported transmit or receive rates, rows 1 to 8.
class RatesTable : public LeafTable {
public:
    enum class Direction { Transmit, Receive };
    RatesTable(const TableDef& def, Direction direction)
        : LeafTable(def, {}), direction_(direction) {}
    Status RefreshAll() override;

protected:
    int32_t* Element(int column) override;

private:
    Direction direction_;
    int32_t rates_[kRateCount] = {};
};

}  // namespace halvora
