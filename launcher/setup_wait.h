// How the launcher waits for the setup program it started to end.
#pragma once

#include <cstdint>

namespace vornset2 {

// The exit code a process reports while it is still running.
inline constexpr std::uint32_t kStillActive = 259;

// Interval between exit-code reads when the process handle cannot be waited on.
inline constexpr std::uint32_t kPollMilliseconds = 10;

// The calls the wait needs on the started process, so the decision can be tested on its own.
class SetupProcess {
public:
    virtual ~SetupProcess() = default;
    // Blocks until the process has ended. False when the handle cannot be waited on.
    virtual bool WaitForEnd() = 0;
    // False when the exit code cannot be read.
    virtual bool ReadExitCode(std::uint32_t& code) = 0;
    virtual void Pause(std::uint32_t milliseconds) = 0;
};

// Waits on the handle, so a setup that itself exits with kStillActive is still seen to end;
// only when that wait is refused does it poll the exit code every kPollMilliseconds.
// Returns false when neither works and the end of the process cannot be known.
bool WaitForSetupEnd(SetupProcess& process);

}  // namespace vornset2
