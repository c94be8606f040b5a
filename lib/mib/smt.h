// dot11smt (0x44000000): station configuration, authentication algorithms, WEP default keys,
// key mappings, privacy and the notification arc. Every table sits under a table node that is
// "through" on both sides.
#pragma once

#include "lib/mib/basic_nodes.h"
#include "lib/mib/leaf_table.h"
#include "lib/mib/mib_group.h"
#include "lib/mib/row_tables.h"
#include "lib/mib/table_node.h"

namespace halvora {

// Read-only columns are never dirty, so their Apply answers as a clean column does.
inline constexpr TableDef kStationConfigTable{
    .entry = 0x44104000u,
    .apply = LastReturned(ColumnSpan(1, 20)),
    .refresh = FirstGuarded(ColumnSpan(1, 20)),
    .nothingToApply = APS_OK,
    .readOnlyApply = APS_OK,
};
inline constexpr TableDef kAuthAlgorithmsTable{.entry = 0x44204000u, .apply = Bulk(), .refresh = Bulk()};
inline constexpr TableDef kWepDefaultKeysTable{.entry = 0x44304000u, .apply = Bulk(), .refresh = Bulk()};
inline constexpr TableDef kWepKeyMappingsTable{.entry = 0x44404000u};
inline constexpr TableDef kPrivacyTable{
    .entry = 0x44504000u,
    .apply = Propagating(ColumnBits({1, 2, 3, 4, 7})),
    .refresh = Propagating(ColumnSpan(1, 7)),
};

inline constexpr MibId kSmtChildren[] = {0x44600000u, 0x44500000u, 0x44400000u,
                                         0x44300000u, 0x44200000u, 0x44100000u};
inline constexpr MibId kSmtWalk[] = {0x44100000u, 0x44200000u, 0x44300000u,
                                     0x44400000u, 0x44500000u, 0x44600000u};
inline constexpr GroupDef kSmtGroup{kShiftBranch, kSmtChildren, kSmtChildren, kSmtWalk,
                                    Propagating(), Quiet()};

class SmtBranch : public MibGroup {
public:
    SmtBranch();

private:
    static constexpr Side T = Side::Through;

    ClosedNode notification_{kShiftTable};
    TableNodeOf<CachedTable<kPrivacyTable>> privacy_{TableOf(0x44504000u, T, T)};
    TableNodeOf<CachedTable<kWepKeyMappingsTable>> keyMappings_{TableOf(0x44404000u, T, T)};
    TableNodeOf<WepKeysTable> defaultKeys_{TableOf(0x44304000u, T, T), kWepDefaultKeysTable};
    TableNodeOf<AuthAlgorithmsTable> authentication_{TableOf(0x44204000u, T, T),
                                                     kAuthAlgorithmsTable};
    TableNodeOf<CachedTable<kStationConfigTable>> stationConfig_{TableOf(0x44104000u, T, T)};
};

}  // namespace halvora
