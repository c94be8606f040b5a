#include "launcher/setup_wait.h"

namespace vornset2 {

bool WaitForSetupEnd(SetupProcess& process) {
    if (process.WaitForEnd()) return true;

    std::uint32_t code = 0;
    while (process.ReadExitCode(code)) {
        if (code != kStillActive) return true;
        process.Pause(kPollMilliseconds);
    }
    return false;
}

}  // namespace vornset2
