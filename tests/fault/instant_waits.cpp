// Waits end at once, signalled or not, in the programs that link this file (the fault test and
// the exports fuzzer): how long the library waits is the unit tests' business, and a failed
// opening would otherwise wait its full second on every round. The host's own events answer;
// these definitions take precedence over the host library's for the statically linked library.
#include "lib/platform/win32.h"

#include <dlfcn.h>

extern "C" {

DWORD WaitForSingleObject(HANDLE handle, DWORD) {
    using Wait = DWORD (*)(HANDLE, DWORD);
    static const Wait host = reinterpret_cast<Wait>(dlsym(RTLD_NEXT, "WaitForSingleObject"));
    return host ? host(handle, 0) : WAIT_FAILED;
}

void Sleep(DWORD) {}

}  // extern "C"
