#include "lib/store/reg_walker.h"

#include <memory>
#include <new>
#include <vector>

namespace halvora {

bool RegWalker::OnValue(const char* path, const char* name, const RegValue& value, int depth) {
    return onValue_ ? onValue_(path, name, value, depth, valueUser_) : true;
}

bool RegWalker::OnKey(const char* name, int depth) {
    return onKey_ ? onKey_(name, depth, keyUser_) : true;
}

bool RegWalker::Walk(const char* path, unsigned flags) {
    if (!path) return WalkKey(nullptr, root_, flags, 0);
    KeyCloser key;
    if (RegOpenKeyExA(root_, path, 0, KEY_READ, &key.key) != ERROR_SUCCESS) return false;
    std::string text = path;
    return WalkKey(&text, key.key, flags, 0);
}

bool RegWalker::WalkKey(const std::string* path, HKEY key, unsigned flags, int depth) {
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    const char* pathText = path ? path->c_str() : nullptr;

    if (flags & kValues) {
        std::vector<uint8_t> data(maxData ? maxData : 1);
        std::vector<char> name(2 * size_t(maxName) + 2);
        RegValue value;
        for (DWORD index = 0;; ++index) {
            DWORD nameChars = static_cast<DWORD>(name.size());
            DWORD size = static_cast<DWORD>(data.size());
            DWORD type = 0;
            LONG rc = RegEnumValueA(key, index, name.data(), &nameChars, nullptr, &type,
                                    data.data(), &size);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            if (rc != ERROR_SUCCESS) {
                // A key that changes under the walk could make this loop endless; the count
                // read above bounds it.
                if (index > values + 1024) break;
                continue;
            }
            value.Borrow(data.data(), size <= data.size() ? size : 0, type);
            if (!OnValue(pathText, name.data(), value, depth)) return false;
        }
    }

    std::vector<char> name(2 * size_t(maxSubkey) + 2);
    for (DWORD index = 0;; ++index) {
        LONG rc = RegEnumKeyA(key, index, name.data(), static_cast<DWORD>(name.size()));
        if (rc == ERROR_NO_MORE_ITEMS) return true;
        if (rc != ERROR_SUCCESS) {
            if (index > subkeys + 1024) return true;
            continue;
        }
        if ((flags & kKeys) && !OnKey(name.data(), depth)) return false;
        KeyCloser child;
        if (RegOpenKeyExA(key, name.data(), 0, KEY_READ, &child.key) != ERROR_SUCCESS) continue;
        std::string childPath = (path ? *path : std::string()) + "\\" + name.data();
        if (!WalkKey(&childPath, child.key, flags, depth + 1)) return false;
    }
}

}  // namespace halvora
