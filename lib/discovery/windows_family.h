// Which Windows family the library runs on, taken from GetVersionExA at every call.
#pragma once

namespace halvora {

enum class WindowsFamily { Win9x, NT4, NT5, NT6 };

WindowsFamily CurrentWindowsFamily();

inline bool IsNtFamily(WindowsFamily f) { return f != WindowsFamily::Win9x; }

}  // namespace halvora
