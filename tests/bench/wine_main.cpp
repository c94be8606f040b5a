// Windows runner (under Wine, where Google Benchmark is not built): each figure repeated until
// it has run for at least `seconds` (default 0.5), then the table of ratios.
#include "tests/bench/figures.h"
#include "tests/bench/ratios.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>

int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 0.5;
    using Clock = std::chrono::steady_clock;
    try {
        std::vector<bench::Figure> figures = bench::Figures();
        std::map<std::string, double> ns;
        for (const bench::Figure& f : figures) {
            f.setUp();
            f.once();  // warm-up: the first run pays for cold caches
            long n = 0;
            double elapsed = 0;
            for (long batch = 1; elapsed < seconds; batch *= 2) {
                auto start = Clock::now();
                for (long i = 0; i < batch; ++i) f.once();
                elapsed += std::chrono::duration<double>(Clock::now() - start).count();
                n += batch;
            }
            ns[f.name] = elapsed * 1e9 / double(n);
            std::printf("%-28s %10ld runs %14.1f ns/op", f.name.c_str(), n, ns[f.name]);
            if (f.counters)
                for (auto& [name, value] : f.counters()) std::printf("  %s=%.0f", name.c_str(), value);
            std::printf("\n");
            f.tearDown();
        }
        bench::PrintRatios(figures, ns);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
