// The private family (0xC0000000): site survey, adapter state, connection, and the
// chipset-private tables that only particular adapter back-ends understand.
#pragma once

#include "lib/mib/basic_nodes.h"
#include "lib/mib/leaf_table.h"
#include "lib/mib/mib_group.h"
#include "lib/mib/table_node.h"

namespace halvora {

// Pass-through tables: nothing to apply or refresh.
inline constexpr TableDef kSurveyTable{.entry = 0xC4104000u};
inline constexpr TableDef kAdapterStateTable{.entry = 0xC8104000u};
inline constexpr TableDef kConnectionTable{.entry = 0xCC104000u};
inline constexpr TableDef kBroadcomPrivateTable{.entry = 0xD0404000u};

// Cached chipset-private tables; a clean column has nothing to apply (3).
inline constexpr TableDef kAtherosPrivateTable{
    .entry = 0xD0104000u,
    .apply = Propagating(ColumnSpan(1, 3)),
    .refresh = Propagating(ColumnSpan(1, 3)),
    .nothingToApply = APS_INVALID,
};
inline constexpr TableDef kPrismPrivateTable{
    .entry = 0xD0204000u,
    .apply = Propagating(ColumnSpan(1, 2)),
    .refresh = Propagating(ColumnSpan(1, 2)),
    .nothingToApply = APS_INVALID,
};
inline constexpr TableDef kRalinkPrivateTable{
    .entry = 0xD0504000u,
    .apply = Propagating(ColumnSpan(1, 7)),
    .refresh = Propagating(ColumnSpan(1, 7)),
    .nothingToApply = APS_INVALID,
};

// A branch of one table: the branch node, then the table node above the leaf table, which is
// closed on its apply side and masked on its refresh side.
template <const TableDef& Def>
class OneTableBranch : public TableNodeOf<TableNodeOf<CachedTable<Def>>> {
    using Base = TableNodeOf<TableNodeOf<CachedTable<Def>>>;

public:
    OneTableBranch(Side apply, Side refresh)
        : Base({kShiftBranch, RoutingPrefix(Def.entry, kShiftBranch), apply, refresh},
               TableOf(Def.entry, Side::Closed, Side::Masked)) {}
};

// 0xD0100000 and 0xD0200000: an entry for the chipset's table beside an empty one.
inline constexpr MibId kAtherosEntries[] = {0xD0104000u, 0xD0108000u};
inline constexpr MibId kAtherosOrder[] = {0xD0108000u, 0xD0104000u};
inline constexpr GroupDef kAtherosGroup{kShiftTable, kAtherosEntries, kAtherosOrder,
                                        kAtherosOrder};

inline constexpr MibId kPrismEntries[] = {0xD0204000u, 0xD0208000u};
inline constexpr GroupDef kPrismGroup{kShiftTable, kPrismEntries, kPrismEntries, kPrismEntries};

class AtherosGroup : public MibGroup {
public:
    AtherosGroup() : MibGroup(kAtherosGroup, {&private_, &empty_}) {}

private:
    CachedTable<kAtherosPrivateTable> private_;
    EmptyNode empty_{kShiftEntry};
};

class PrismGroup : public MibGroup {
public:
    PrismGroup() : MibGroup(kPrismGroup, {&private_, &empty_}) {}

private:
    CachedTable<kPrismPrivateTable> private_;
    EmptyNode empty_{kShiftEntry};
};

inline constexpr MibId kChipsetChildren[] = {0xD0400000u, 0xD0300000u, 0xD0200000u, 0xD0100000u,
                                             0xD0500000u};
inline constexpr MibId kChipsetOrder[] = {0xD0100000u, 0xD0200000u, 0xD0300000u, 0xD0400000u,
                                          0xD0500000u};
inline constexpr GroupDef kChipsetGroup{kShiftBranch, kChipsetChildren, kChipsetOrder,
                                        kChipsetOrder};

class ChipsetBranch : public MibGroup {
public:
    ChipsetBranch();

private:
    static constexpr Side T = Side::Through;
    static constexpr Side M = Side::Masked;

    TableNodeOf<CachedTable<kBroadcomPrivateTable>> broadcom_{TableOf(0xD0404000u, T, T)};
    VacantTableNode unused_{0xD0300000u};
    PrismGroup prism_;
    AtherosGroup atheros_;
    TableNodeOf<CachedTable<kRalinkPrivateTable>> ralink_{TableOf(0xD0504000u, M, M)};
};

inline constexpr MibId kPrivateChildren[] = {0xD0000000u, 0xCC000000u, 0xC8000000u, 0xC4000000u};
inline constexpr MibId kPrivateOrder[] = {0xC4000000u, 0xC8000000u, 0xCC000000u, 0xD0000000u};
inline constexpr GroupDef kPrivateGroup{kShiftFamily, kPrivateChildren, kPrivateOrder,
                                        kPrivateOrder};

class PrivateFamily : public MibGroup {
public:
    PrivateFamily();

private:
    ChipsetBranch chipset_;
    OneTableBranch<kConnectionTable> connection_{Side::Masked, Side::Masked};
    OneTableBranch<kAdapterStateTable> adapterState_{Side::Closed, Side::Masked};
    OneTableBranch<kSurveyTable> survey_{Side::Closed, Side::Masked};
};

}  // namespace halvora
