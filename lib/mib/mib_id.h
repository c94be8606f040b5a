// The layout of a MIB identifier: six fields of 2, 4, 6, 6, 7 and 7 bits from the top, each an
// arc number counted from 1 (0: the identifier stops above that level). A node that decides on
// the levels above bit `shift` routes by the identifier with its low `shift` bits cleared.
#pragma once

#include "lib/exports/status.h"

namespace halvora {

// Shifts of the nodes that decide on levels 1 to k.
inline constexpr int kShiftRoot = 30;    // family
inline constexpr int kShiftFamily = 26;  // branch
inline constexpr int kShiftBranch = 20;  // table
inline constexpr int kShiftTable = 14;   // entry
inline constexpr int kShiftEntry = 7;    // column
inline constexpr int kShiftColumn = 0;   // the whole identifier

inline constexpr MibId kStandardFamily = 0x40000000u;
inline constexpr MibId kReservedFamily = 0x80000000u;
inline constexpr MibId kPrivateFamily = 0xC0000000u;

// Leaves of one table step by this much.
inline constexpr MibId kColumnStep = 0x80u;

constexpr MibId RoutingPrefix(MibId id, int shift) {
    const int s = shift & 31;
    return id & ~((MibId{1} << s) - 1);
}

// The bits below the deepest non-zero field of `prefix`: every identifier of its subtree equals
// `prefix` once these are cleared. 0xFFFFFFFF for 0 (the whole MIB).
constexpr MibId SubtreeMask(MibId prefix) {
    struct Field {
        int low;
        int width;
    };
    constexpr Field kDeepestFirst[] = {{0, 7}, {7, 7}, {14, 6}, {20, 6}, {26, 4}, {30, 2}};
    for (const Field& f : kDeepestFirst)
        if ((prefix >> f.low) & ((MibId{1} << f.width) - 1)) return (MibId{1} << f.low) - 1;
    return ~MibId{0};
}

}  // namespace halvora
