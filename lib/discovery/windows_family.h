// Which Windows family the library runs on, taken from GetVersionExA at every call.
#pragma once

#include <cstdint>

namespace halvora {

enum class WindowsFamily { Win9x, NT4, NT5, NT6 };

// Platform id 2 is the NT family (major 4 or below NT 4, 5 NT 5, 6 and above NT 6); any other
// platform id is Windows 9x.
WindowsFamily FamilyOf(uint32_t platformId, uint32_t majorVersion);
WindowsFamily CurrentWindowsFamily();

inline bool IsNtFamily(WindowsFamily f) { return f != WindowsFamily::Win9x; }

}  // namespace halvora
