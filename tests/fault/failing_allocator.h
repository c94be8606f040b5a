// A global operator new that fails on request: armed on one thread, the n-th allocation that
// thread makes from then on throws std::bad_alloc (or answers null for the nothrow forms).
// Allocations on other threads (the stand-in's notifications) are never failed.
#pragma once

#include <string>

namespace fault {

// n >= 1: the n-th allocation from now fails.
void FailNth(long n);
// Stops failing; true when the armed allocation was reached and failed.
bool Disarm();
// True when the last failed allocation was made inside the named module (a part of its file
// name), such as the host registry: on Windows that is an error code of the platform, which the
// library treats as any other registry failure.
bool FailedIn(const char* module);
inline bool FailedInPlatform() { return FailedIn("hostwin32"); }
// The call stack of the last failed allocation, one frame a line, for a test's message.
std::string FailedAt();

// Runs `call` once for each allocation it makes, that allocation failing: n = 1, 2, ... until a
// run makes fewer than n allocations (and so ran with no failure). `check(failed)` follows each
// run, outside the armed window. Returns the number of allocations the clean run made.
template <typename Call, typename Check>
long ForEachFailure(Call call, Check check) {
    for (long n = 1;; ++n) {
        FailNth(n);
        call();
        bool failed = Disarm();
        check(failed);
        if (!failed) return n - 1;
    }
}

}  // namespace fault
