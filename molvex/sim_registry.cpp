#include "molvex/sim_registry.h"

namespace molvex {

const char kSimKey[] = "SOFTWARE\\MolvexSim";

namespace {

struct OpenKey {
    HKEY key = nullptr;
    OpenKey(const std::string& path, REGSAM sam) {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, sam, &key) != ERROR_SUCCESS)
            key = nullptr;
    }
    ~OpenKey() {
        if (key) RegCloseKey(key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
};

}  // namespace

std::string AdapterKey(const char* instance) {
    if (!instance || !*instance) return {};
    for (const char* p = instance; *p; ++p)
        if (*p == '\\') return {};
    return std::string(kSimKey) + "\\Adapters\\" + instance;
}

std::string OidKey(const std::string& adapterKey) { return adapterKey + "\\Oids"; }

bool KeyExists(const std::string& path) { return OpenKey(path, KEY_READ).key != nullptr; }

bool ReadRaw(const std::string& path, const std::string& name, RawValue& out) {
    OpenKey k(path, KEY_READ);
    if (!k.key) return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k.key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::vector<uint8_t> bytes(size);
    DWORD got = size;
    if (RegQueryValueExA(k.key, name.c_str(), nullptr, &type, bytes.data(), &got) !=
            ERROR_SUCCESS ||
        got > size)
        return false;
    bytes.resize(got);
    out.type = type;
    out.bytes = std::move(bytes);
    return true;
}

bool ReadDword(const std::string& path, const char* name, uint32_t& out) {
    RawValue v;
    if (!ReadRaw(path, name, v) || (v.type != REG_DWORD && v.type != REG_DWORD_BIG_ENDIAN) ||
        v.bytes.size() < 4)
        return false;
    const uint8_t* b = v.bytes.data();
    out = v.type == REG_DWORD
              ? uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24
              : uint32_t(b[3]) | uint32_t(b[2]) << 8 | uint32_t(b[1]) << 16 | uint32_t(b[0]) << 24;
    return true;
}

uint32_t DwordOr(const std::string& path, const char* name, uint32_t fallback) {
    uint32_t v = 0;
    return ReadDword(path, name, v) ? v : fallback;
}

bool WriteRaw(const std::string& path, const std::string& name, DWORD type, const uint8_t* bytes,
              uint32_t size) {
    OpenKey k(path, KEY_SET_VALUE);
    if (!k.key) return false;
    static const uint8_t kNothing = 0;
    return RegSetValueExA(k.key, name.c_str(), 0, type, bytes ? bytes : &kNothing, size) ==
           ERROR_SUCCESS;
}

std::vector<std::string> ValueNames(const std::string& path) {
    std::vector<std::string> names;
    OpenKey k(path, KEY_READ);
    if (!k.key) return names;
    DWORD count = 0, longest = 0;
    if (RegQueryInfoKeyA(k.key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<char> name(longest + 2);
    for (DWORD i = 0;; ++i) {
        DWORD chars = static_cast<DWORD>(name.size());
        LONG r = RegEnumValueA(k.key, i, name.data(), &chars, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_MORE_DATA && name.size() < 65536) {
            // The key grew since the info query: retry this index with more room.
            name.resize(name.size() * 2);
            --i;
            continue;
        }
        if (r != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), chars);
    }
    return names;
}

}  // namespace molvex
