// vornset2: starts the setup program in the "vornset2" sub-folder beside this file, silently and
// hidden, waits until it has ended, and ends without ever showing a window.
#include "launcher/exit_codes.h"
#include "launcher/setup_path.h"
#include "launcher/setup_wait.h"
#include "lib/platform/win32.h"

#include <shellapi.h>

namespace {

using namespace vornset2;

// NOASYNC: the shell finishes the start before returning. NO_UI: a failed start must not
// leave the shell's error box on screen, since the launcher shows nothing.
constexpr ULONG kShellFlags = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
static_assert(kShellFlags == 0x540);

class StartedProcess {
public:
    explicit StartedProcess(HANDLE process) : process_(process) {}
    ~StartedProcess() { CloseHandle(process_); }
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    bool WaitForEnd() { return WaitForSingleObject(process_, INFINITE) == WAIT_OBJECT_0; }
    bool ReadExitCode(std::uint32_t& code) {
        DWORD value = 0;
        if (!GetExitCodeProcess(process_, &value)) return false;
        code = value;
        return true;
    }
    void Pause(std::uint32_t milliseconds) { Sleep(milliseconds); }

private:
    HANDLE process_;
};

int RunSetup() {
    char own[kOwnPathBytes];
    DWORD length = GetModuleFileNameA(nullptr, own, sizeof own);
    // A path that filled the buffer may have been cut short and would name the wrong folder.
    if (length == 0 || length >= sizeof own) return kNoOwnPath;

    char setup[kSetupPathBytes];
    if (!SetupPathFor({own, length}, setup, sizeof setup)) return kNoOwnPath;

    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    start.fMask = kShellFlags;
    start.lpFile = setup;
    start.lpParameters = "/s";
    start.nShow = SW_HIDE;
    if (!ShellExecuteExA(&start)) return kStartFailed;
    // The shell may hand the start to a running program and return no process to wait on.
    if (start.hProcess == nullptr) return kLostProcess;

    StartedProcess process(start.hProcess);
    return WaitForSetupEnd(process) ? kEnded : kLostProcess;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunSetup();
}
