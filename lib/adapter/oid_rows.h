// Building blocks of the adapter classes' tables: rows keyed by MIB identifier that a loop
// searches, and value conversions between the driver's numbers and the MIB's, kept as data.
#pragma once

#include "lib/exports/status.h"

#include <cstddef>
#include <cstdint>

namespace halvora {

// The row of `rows` whose `id` is `id`, or null.
template <typename Row, size_t N>
constexpr const Row* FindRow(const Row (&rows)[N], MibId id) {
    for (const Row& row : rows)
        if (row.id == id) return &row;
    return nullptr;
}

// A value conversion: the listed pairs, and every value not listed to `other`. The default
// conversion passes every value unchanged.
struct ValueMap {
    struct Pair {
        int32_t from;
        int32_t to;
    };
    static constexpr int kMaxPairs = 4;

    Pair pairs[kMaxPairs] = {};
    int count = -1;  // -1: unchanged
    int32_t other = 0;

    constexpr int32_t operator()(int32_t value) const {
        if (count < 0) return value;
        for (int i = 0; i < count; ++i)
            if (pairs[i].from == value) return pairs[i].to;
        return other;
    }
};

template <size_t N>
constexpr ValueMap Translate(const ValueMap::Pair (&pairs)[N], int32_t other) {
    static_assert(N <= ValueMap::kMaxPairs);
    ValueMap map;
    for (size_t i = 0; i < N; ++i) map.pairs[i] = pairs[i];
    map.count = static_cast<int>(N);
    map.other = other;
    return map;
}

constexpr ValueMap kAsIs{};

}  // namespace halvora
