// A recursive registry walk below HKEY_LOCAL_MACHINE: the values of a key, then its subkeys
// depth-first in enumeration order. Callbacks answering false end the walk.
#pragma once

#include "lib/store/reg_access.h"

namespace halvora {

class RegWalker : public RegAccess {
public:
    using ValueFunction = bool (*)(const char* path, const char* name, const RegValue& value,
                                   int depth, void* user);
    using KeyFunction = bool (*)(const char* name, int depth, void* user);

    static constexpr unsigned kValues = 1;
    static constexpr unsigned kKeys = 2;

    RegWalker(ValueFunction onValue, void* valueUser, KeyFunction onKey = nullptr,
              void* keyUser = nullptr)
        : onValue_(onValue), valueUser_(valueUser), onKey_(onKey), keyUser_(keyUser) {}

    bool OnValue(const char* path, const char* name, const RegValue& value, int depth) override;
    bool OnKey(const char* name, int depth) override;

    // A null path walks the root itself, with no path text. The value handed to OnValue uses a
    // block shared by the walk: copy what you keep.
    bool Walk(const char* path, unsigned flags);

private:
    bool WalkKey(const std::string* path, HKEY key, unsigned flags, int depth);

    ValueFunction onValue_;
    void* valueUser_;
    KeyFunction onKey_;
    void* keyUser_;
};

}  // namespace halvora
