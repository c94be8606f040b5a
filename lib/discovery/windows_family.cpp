#include "lib/discovery/windows_family.h"

#include "lib/platform/win32.h"

namespace halvora {

WindowsFamily FamilyOf(uint32_t platformId, uint32_t majorVersion) {
    if (platformId != VER_PLATFORM_WIN32_NT) return WindowsFamily::Win9x;
    if (majorVersion <= 4) return WindowsFamily::NT4;
    if (majorVersion == 5) return WindowsFamily::NT5;
    return WindowsFamily::NT6;
}

WindowsFamily CurrentWindowsFamily() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    // A failed query leaves platform id 0, which the rule counts as Windows 9x.
    GetVersionExA(&info);
    return FamilyOf(info.dwPlatformId, info.dwMajorVersion);
}

}  // namespace halvora
