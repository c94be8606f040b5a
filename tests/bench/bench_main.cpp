// Host runner: every figure as a Google Benchmark, then the table of ratios.
#include "tests/bench/figures.h"
#include "tests/bench/ratios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <map>

namespace {

// Keeps each run's time per operation for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ns;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                ns[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
};

}  // namespace

int main(int argc, char** argv) {
    try {
        std::vector<bench::Figure> figures = bench::Figures();
        for (const bench::Figure& f : figures) {
            benchmark::RegisterBenchmark(f.name.c_str(), [&f](benchmark::State& state) {
                f.setUp();
                for (auto _ : state) f.once();
                state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * f.itemsPerOp));
                if (f.counters)
                    for (auto& [name, value] : f.counters()) state.counters[name] = value;
                f.tearDown();
            })->Unit(benchmark::kNanosecond);
        }
        benchmark::Initialize(&argc, argv);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        bench::PrintRatios(figures, reporter.ns);
        benchmark::Shutdown();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
