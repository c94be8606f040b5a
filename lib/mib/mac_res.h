// dot11mac (0x48000000): MAC operation, counters, group addresses; dot11res (0x4C000000):
// resource type and manufacturer information.
#pragma once

#include "lib/mib/leaf_table.h"
#include "lib/mib/mib_group.h"
#include "lib/mib/table_node.h"

namespace halvora {

inline constexpr TableDef kOperationTable{
    .entry = 0x48104000u,
    .apply = Propagating(ColumnSpan(2, 7)),
    .refresh = Quiet(ColumnSpan(1, 9)),
};
// Counters are read live on every Get: nothing to apply or refresh.
inline constexpr TableDef kCountersTable{.entry = 0x48204000u};
inline constexpr TableDef kGroupAddressesTable{.entry = 0x48304000u};

inline constexpr MibId kMacChildren[] = {0x48300000u, 0x48200000u, 0x48100000u};
inline constexpr MibId kMacWalk[] = {0x48100000u, 0x48200000u, 0x48300000u};
inline constexpr GroupDef kMacGroup{kShiftBranch, kMacChildren, kMacChildren, kMacWalk};

class MacBranch : public MibGroup {
public:
    MacBranch();

private:
    static constexpr Side T = Side::Through;
    static constexpr Side C = Side::Closed;

    TableNodeOf<CachedTable<kGroupAddressesTable>> groupAddresses_{TableOf(0x48304000u, C, C)};
    TableNodeOf<CachedTable<kCountersTable>> counters_{TableOf(0x48204000u, C, C)};
    TableNodeOf<CachedTable<kOperationTable>> operation_{TableOf(0x48104000u, T, T)};
};

// dot11ResourceInfoTable: columns 0x4C108081 to 0x4C108085, matched on the whole identifier.
inline constexpr TableDef kResourceInfoTable{
    .entry = 0x4C108080u,
    .shift = kShiftColumn,
    .refresh = Propagating(ColumnSpan(1, 5)),
};

// The entry 0x4C108000 of dot11ResourceInfoTable, above its leaf table.
class ResourceInfoEntry : public TableNodeOf<CachedTable<kResourceInfoTable>> {
public:
    ResourceInfoEntry()
        : TableNodeOf({kShiftEntry, 0x4C108080u, Side::Closed, Side::Through}) {}
};

// dot11resAttribute 0x4C100000: answers dot11ResourceTypeIDName itself; nothing under it can
// be set.
class ResourceAttributeNode : public TableNodeOf<ResourceInfoEntry> {
public:
    ResourceAttributeNode()
        : TableNodeOf({kShiftTable, 0x4C108000u, Side::Closed, Side::Through}) {}

    Status Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Set(MibId, const void*, int32_t, uint32_t*, uint32_t*) override { return APS_INVALID; }
    Status Refresh(MibId id) override;
};

// dot11res 0x4C000000: one child, closed on the apply side.
class ResBranch : public TableNodeOf<ResourceAttributeNode> {
public:
    ResBranch() : TableNodeOf({kShiftBranch, 0x4C100000u, Side::Closed, Side::Through}) {}
};

}  // namespace halvora
