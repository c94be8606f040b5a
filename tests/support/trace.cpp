#include "tests/support/trace.h"

#include "molvex/molvex_control.h"

#include <cstdint>

namespace testing_support {

namespace {

std::vector<std::string> ReadLines(bool clear) {
    std::string text;
    for (;;) {
        uint32_t needed = 0;
        MolvexSim_ReadTrace(nullptr, 0, &needed, 0);
        text.assign(needed, '\0');
        // Another thread may add lines between the two calls: then ask again.
        if (MolvexSim_ReadTrace(text.data(), needed, &needed, clear ? 1 : 0)) break;
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

}  // namespace

std::vector<std::string> TakeTrace() { return ReadLines(true); }
std::vector<std::string> PeekTrace() { return ReadLines(false); }
void ResetStandIn() { MolvexSim_Reset(); }

}  // namespace testing_support
