// Single-value registry access below HKEY_LOCAL_MACHINE. Every call opens and closes its key.
#pragma once

#include "lib/store/reg_value.h"

#include <string>

namespace halvora {

// Closes a key on every path out of a scope, a thrown std::bad_alloc included.
struct KeyCloser {
    HKEY key = nullptr;
    KeyCloser() = default;
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    ~KeyCloser() {
        if (key) RegCloseKey(key);
    }
};

class RegAccess {
public:
    RegAccess() = default;
    virtual ~RegAccess() = default;

    // Walk callbacks; answering false ends a walk.
    virtual bool OnValue(const char* path, const char* name, const RegValue& value, int depth);
    virtual bool OnKey(const char* name, int depth);

    // False leaves value untouched, except when the read after the size query fails (then empty).
    // Every operation throws std::bad_alloc when memory runs out.
    bool ReadValue(const std::string& path, const char* name, RegValue& value) const;
    // Creates the key and any missing keys on the way.
    bool WriteValue(const std::string& path, const char* name, const RegValue& value) const;
    // True only when the value was read and is text; out is untouched otherwise.
    bool ReadText(const std::string& path, const char* name, std::string& out) const;
    // True only when the value was read and is a number (types 4 and 5).
    bool ReadNumber(const std::string& path, const char* name, uint32_t& out) const;
    bool WriteText(const std::string& path, const char* name, const char* text) const;
    bool WriteDword(const std::string& path, const char* name, uint32_t v) const;
    // True when the key opens and holds at least one subkey or value.
    bool KeyHasContent(const std::string& path) const;

protected:
    HKEY root_ = HKEY_LOCAL_MACHINE;
};

}  // namespace halvora
