// The measured figures, each beside its baseline, written once for both runners: Google
// Benchmark on the host (bench_main.cpp) and a plain timing loop under Wine (wine_main.cpp),
// where Google Benchmark is not built.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Figure {
    std::string name;
    std::string baselineOf;       // the figure this one is the baseline of, or empty
    std::function<void()> setUp;  // outside the timing: load a machine, open a MIB
    std::function<void()> once;   // one measured operation
    std::function<void()> tearDown;
    double itemsPerOp = 1;        // keys per scan, for time per key
    // Counters read after the run, per operation (driver requests of an opening).
    std::function<std::vector<std::pair<std::string, double>>()> counters = {};
};

std::vector<Figure> Figures();

}  // namespace bench
