// The walks of ApplyAll and RefreshAll: which items a node visits, in which form, and which
// results stop it. Groups walk their children, leaf tables their columns.
#pragma once

#include "lib/exports/status.h"

#include <initializer_list>

namespace halvora {

enum class WalkForm : uint8_t {
    None,          // the node has nothing to walk: Apply/Refresh 3, the walk itself 0
    Propagating,   // a result in the stop set stops the walk and is returned; else 0
    Quiet,         // as Propagating, but 0 also when stopped
    FirstGuarded,  // only the first item can stop the walk; the others' results are lost
    LastReturned,  // as Propagating, and the last item's result is returned as it is
    Bulk,          // the table's own code (one adapter call for the whole table)
};

enum class StopSet : uint8_t {
    NotReadyOrUnbound,     // {1, 4}
    UnboundOrUnavailable,  // {4, -1}
};

constexpr bool Stops(StopSet set, Status status) {
    if (set == StopSet::NotReadyOrUnbound) return status == APS_NOT_READY || status == APS_NOT_BOUND;
    return status == APS_NOT_BOUND || status == APS_UNAVAILABLE;
}

// A walk; for a leaf table `columns` holds bit n for each column n it visits, in column order.
struct Walk {
    WalkForm form = WalkForm::None;
    StopSet stops = StopSet::NotReadyOrUnbound;
    uint32_t columns = 0;
};

constexpr uint32_t ColumnBits(std::initializer_list<int> columns) {
    uint32_t bits = 0;
    for (int c : columns) bits |= 1u << c;
    return bits;
}

constexpr uint32_t ColumnSpan(int first, int last) {
    uint32_t bits = 0;
    for (int c = first; c <= last; ++c) bits |= 1u << c;
    return bits;
}

constexpr Walk Propagating(uint32_t columns = 0, StopSet stops = StopSet::NotReadyOrUnbound) {
    return {WalkForm::Propagating, stops, columns};
}
constexpr Walk Quiet(uint32_t columns = 0, StopSet stops = StopSet::NotReadyOrUnbound) {
    return {WalkForm::Quiet, stops, columns};
}
constexpr Walk FirstGuarded(uint32_t columns) { return {WalkForm::FirstGuarded, {}, columns}; }
constexpr Walk LastReturned(uint32_t columns) { return {WalkForm::LastReturned, {}, columns}; }
constexpr Walk Bulk() { return {WalkForm::Bulk, {}, 0}; }
constexpr Walk NoWalk() { return {}; }

// Runs `step(i)` for i = 0 .. count-1 in the walk's form.
template <typename Step>
Status RunWalk(const Walk& walk, int count, Step&& step) {
    for (int i = 0; i < count; ++i) {
        const Status status = step(i);
        const bool stop = Stops(walk.stops, status);
        switch (walk.form) {
        case WalkForm::Propagating:
            if (stop) return status;
            break;
        case WalkForm::Quiet:
            if (stop) return APS_OK;
            break;
        case WalkForm::FirstGuarded:
            if (i == 0 && stop) return status;
            break;
        case WalkForm::LastReturned:
            if (i == count - 1 || stop) return status;
            break;
        case WalkForm::None:
        case WalkForm::Bulk:
            return APS_OK;
        }
    }
    return APS_OK;
}

}  // namespace halvora
