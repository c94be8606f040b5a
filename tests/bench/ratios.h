// The closing table of both runners: each figure's time per operation and per item, and its
// ratio to its baseline.
#pragma once

#include "tests/bench/figures.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

// nanoseconds per operation, by figure name
inline void PrintRatios(const std::vector<Figure>& figures,
                        const std::map<std::string, double>& ns) {
    std::printf("\n%-28s %14s %12s %10s\n", "figure", "ns/op", "ns/item", "x baseline");
    for (const Figure& f : figures) {
        auto it = ns.find(f.name);
        if (it == ns.end()) continue;
        std::printf("%-28s %14.1f %12.2f", f.name.c_str(), it->second, it->second / f.itemsPerOp);
        for (const Figure& b : figures) {
            auto base = ns.find(b.name);
            if (b.baselineOf == f.name && base != ns.end() && base->second > 0)
                std::printf(" %10.2f", it->second / base->second);
        }
        std::printf("\n");
    }
}

}  // namespace bench
