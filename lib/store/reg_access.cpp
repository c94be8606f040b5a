#include "lib/store/reg_access.h"

#include <new>

namespace halvora {

bool RegAccess::OnValue(const char*, const char*, const RegValue&, int) { return false; }
bool RegAccess::OnKey(const char*, int) { return false; }

bool RegAccess::ReadValue(const std::string& path, const char* name, RegValue& value) const {
    KeyCloser key;
    if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ, &key.key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    uint8_t* data = value.Allocate(size);
    // Out of memory is not a missing value: a caller must not read it as "N/A".
    if (size && !data) throw std::bad_alloc();
    DWORD got = size;
    if (RegQueryValueExA(key.key, name, nullptr, &type, data, &got) != ERROR_SUCCESS || got > size) {
        value.Release();
        return false;
    }
    value.SetType(type);
    return true;
}

bool RegAccess::WriteValue(const std::string& path, const char* name, const RegValue& value) const {
    KeyCloser key;
    if (RegCreateKeyExA(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &key.key, nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.key, name, 0, value.Type(), value.Data(), value.Size()) ==
           ERROR_SUCCESS;
}

bool RegAccess::ReadText(const std::string& path, const char* name, std::string& out) const {
    RegValue value;
    return ReadValue(path, name, value) && value.GetString(out);
}

bool RegAccess::ReadNumber(const std::string& path, const char* name, uint32_t& out) const {
    RegValue value;
    return ReadValue(path, name, value) && value.GetNumber(out);
}

bool RegAccess::WriteText(const std::string& path, const char* name, const char* text) const {
    RegValue value;
    value.SetString(text, false);
    return WriteValue(path, name, value);
}

bool RegAccess::WriteDword(const std::string& path, const char* name, uint32_t v) const {
    RegValue value;
    value.SetDword(v);
    return WriteValue(path, name, value);
}

bool RegAccess::KeyHasContent(const std::string& path) const {
    KeyCloser key;
    if (RegOpenKeyExA(root_, path.c_str(), 0, KEY_READ, &key.key) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyA(key.key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subkeys > 0 || values > 0;
}

}  // namespace halvora
