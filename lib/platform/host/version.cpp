// GetVersionExA for the host: the Windows version the loaded machine describes, read where Windows
// keeps it; an empty registry reports NT 6.1.
#include "lib/platform/win32.h"

#include <cstdio>
#include <cstring>

namespace {

bool ReadText(const char* path, const char* name, char* out, DWORD size) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD got = size - 1;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(out), &got);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    out[got] = '\0';
    return true;
}

}  // namespace

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return FALSE;
    unsigned major = 6, minor = 1, build = 7601;
    DWORD platform = VER_PLATFORM_WIN32_NT;
    char text[64];
    if (ReadText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", text,
                 sizeof text)) {
        std::sscanf(text, "%u.%u", &major, &minor);
        build = 0;
        if (ReadText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentBuildNumber", text,
                     sizeof text))
            std::sscanf(text, "%u", &build);
    } else if (ReadText("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "VersionNumber", text,
                        sizeof text)) {
        platform = VER_PLATFORM_WIN32_WINDOWS;
        major = 4, minor = 0, build = 0;
        std::sscanf(text, "%u.%u.%u", &major, &minor, &build);
    }
    info->dwMajorVersion = major;
    info->dwMinorVersion = minor;
    info->dwBuildNumber = build;
    info->dwPlatformId = platform;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}
