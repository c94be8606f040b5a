// How the launcher waits for the setup program it started to end.
#pragma once

#include <cstdint>

namespace vornset2 {

// The exit code a process reports while it is still running.
inline constexpr std::uint32_t kStillActive = 259;

// Interval between exit-code reads when the process handle cannot be waited on.
inline constexpr std::uint32_t kPollMilliseconds = 10;

// Waits on the handle, so a setup that itself exits with kStillActive is still seen to end;
// only when that wait is refused does it poll the exit code every kPollMilliseconds.
// Returns false when neither works and the end of the process cannot be known.
//
// Process provides: bool WaitForEnd() (blocks until the process ended; false when the handle
// cannot be waited on), bool ReadExitCode(std::uint32_t&) and void Pause(std::uint32_t ms).
// A template rather than a virtual interface, so the launcher needs no C++ runtime support.
template <class Process>
bool WaitForSetupEnd(Process& process) {
    if (process.WaitForEnd()) return true;

    std::uint32_t code = 0;
    while (process.ReadExitCode(code)) {
        if (code != kStillActive) return true;
        process.Pause(kPollMilliseconds);
    }
    return false;
}

}  // namespace vornset2
