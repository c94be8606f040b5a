// The clock that the stand-in setup program and the tests both stamp with, so their stamps
// compare across processes: the performance counter, system-wide.
#pragma once

#include "lib/platform/win32.h"

inline unsigned long long Stamp() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<unsigned long long>(counter.QuadPart);
}
