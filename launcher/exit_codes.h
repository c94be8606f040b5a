// What vornset2's exit code tells whoever started it. The setup program's own exit code is
// deliberately not passed on.
#pragma once

namespace vornset2 {

enum ExitCode : int {
    kEnded = 0,         // the setup program ran and has ended
    kNoOwnPath = 1,     // own path unreadable or longer than its buffer
    kStartFailed = 2,   // the shell could not start the setup program
    kLostProcess = 3,   // started, but its end could not be observed
};

}  // namespace vornset2
