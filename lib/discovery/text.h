// Letter-case rules of the registry texts discovery compares: ASCII only, as the drivers write
// their names.
#pragma once

#include <string>
#include <string_view>

namespace halvora {

inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

inline std::string AsciiUpperCase(std::string text) {
    for (char& c : text) c = AsciiUpper(c);
    return text;
}

}  // namespace halvora
