// dot11phy (0x50000000): PHY operation, antennas, transmit power, FHSS, DSSS, IR, regulatory
// domains, antenna list, supported data rates and OFDM. Eleven table nodes; the four tables with
// nothing to apply are closed on their apply side.
#pragma once

#include "lib/mib/leaf_table.h"
#include "lib/mib/mib_group.h"
#include "lib/mib/row_tables.h"
#include "lib/mib/table_node.h"

namespace halvora {

inline constexpr TableDef kPhyOperationTable{
    .entry = 0x50104000u,
    .apply = Propagating(ColumnBits({2})),
    .refresh = Quiet(ColumnSpan(1, 4)),
};
inline constexpr TableDef kPhyAntennaTable{
    .entry = 0x50204000u,
    .apply = Propagating(ColumnBits({1, 3})),
    .refresh = Quiet(ColumnSpan(1, 3)),
};
inline constexpr TableDef kPhyTxPowerTable{
    .entry = 0x50304000u,
    .apply = Propagating(ColumnBits({10})),
    .refresh = Quiet(ColumnSpan(1, 10)),
};
inline constexpr TableDef kPhyFhssTable{
    .entry = 0x50404000u,
    .apply = Propagating(ColumnBits({2, 4, 5, 6, 7})),
    .refresh = Quiet(ColumnSpan(1, 7)),
};
// A column the adapter does not support ends the refresh walk here.
inline constexpr TableDef kPhyDsssTable{
    .entry = 0x50504000u,
    .apply = Propagating(ColumnBits({1, 3, 4})),
    .refresh = Quiet(ColumnSpan(1, 4), StopSet::UnboundOrUnavailable),
};
// ... and the apply walk here.
inline constexpr TableDef kPhyIrTable{
    .entry = 0x50604000u,
    .apply = Propagating(ColumnSpan(1, 4), StopSet::UnboundOrUnavailable),
    .refresh = Quiet(ColumnSpan(1, 4)),
};
inline constexpr TableDef kRegDomainsTable{.entry = 0x50704000u, .refresh = Bulk()};
// Never filled: a refresh does nothing and every value stays unavailable.
inline constexpr TableDef kAntennasListTable{.entry = 0x50804000u, .refresh = Propagating()};
inline constexpr TableDef kRatesTxTable{.entry = 0x50904000u, .refresh = Bulk()};
inline constexpr TableDef kRatesRxTable{.entry = 0x50A04000u, .refresh = Bulk()};
// Columns are matched on the whole identifier; a refresh also drops unapplied changes.
inline constexpr TableDef kPhyOfdmTable{
    .entry = 0x50B04000u,
    .shift = kShiftColumn,
    .apply = Propagating(ColumnBits({1, 2})),
    .refresh = Quiet(ColumnSpan(1, 3)),
    .clearDirtyAfterRefresh = true,
};

inline constexpr MibId kPhyChildren[] = {0x50A00000u, 0x50900000u, 0x50800000u, 0x50700000u,
                                         0x50600000u, 0x50500000u, 0x50400000u, 0x50300000u,
                                         0x50200000u, 0x50100000u, 0x50B00000u};
inline constexpr MibId kPhyWalk[] = {0x50100000u, 0x50200000u, 0x50300000u, 0x50400000u,
                                     0x50500000u, 0x50600000u, 0x50700000u, 0x50800000u,
                                     0x50900000u, 0x50A00000u, 0x50B00000u};
inline constexpr GroupDef kPhyGroup{kShiftBranch, kPhyChildren, kPhyChildren, kPhyWalk};

class PhyBranch : public MibGroup {
public:
    PhyBranch();

private:
    static constexpr Side T = Side::Through;
    static constexpr Side C = Side::Closed;

    TableNodeOf<RatesTable> ratesRx_{TableOf(0x50A04000u, C, T), kRatesRxTable,
                                     RatesTable::Direction::Receive};
    TableNodeOf<RatesTable> ratesTx_{TableOf(0x50904000u, C, T), kRatesTxTable,
                                     RatesTable::Direction::Transmit};
    TableNodeOf<CachedTable<kAntennasListTable>> antennasList_{TableOf(0x50804000u, C, T)};
    TableNodeOf<RegDomainsTable> regDomains_{TableOf(0x50704000u, C, T), kRegDomainsTable};
    TableNodeOf<CachedTable<kPhyIrTable>> ir_{TableOf(0x50604000u, T, T)};
    TableNodeOf<CachedTable<kPhyDsssTable>> dsss_{TableOf(0x50504000u, T, T)};
    TableNodeOf<CachedTable<kPhyFhssTable>> fhss_{TableOf(0x50404000u, T, T)};
    TableNodeOf<CachedTable<kPhyTxPowerTable>> txPower_{TableOf(0x50304000u, T, T)};
    TableNodeOf<CachedTable<kPhyAntennaTable>> antenna_{TableOf(0x50204000u, T, T)};
    TableNodeOf<CachedTable<kPhyOperationTable>> operation_{TableOf(0x50104000u, T, T)};
    TableNodeOf<CachedTable<kPhyOfdmTable>> ofdm_{TableOf(0x50B04000u, T, T)};
};

}  // namespace halvora
