// In-memory registry with the Win32 semantics the system can observe: case-insensitive,
// case-preserving names; size queries; ERROR_MORE_DATA; ERROR_NO_MORE_ITEMS. Subkeys and values
// are both enumerated sorted by their lower-cased names, the order Wine gives, so that the same
// conformance tests pin the emulation and the real implementation.
// One registry per process, shared by every module that links this library.
#include "lib/platform/host/host_control.h"
#include "lib/platform/win32.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <vector>

namespace {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            unsigned char x = static_cast<unsigned char>(a[i]);
            unsigned char y = static_cast<unsigned char>(b[i]);
            if (x >= 'A' && x <= 'Z') x += 32;
            if (y >= 'A' && y <= 'Z') y += 32;
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
};

bool SameName(const std::string& a, const std::string& b) {
    NoCaseLess less;
    return !less(a, b) && !less(b, a);
}

struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct Key {
    std::string name;
    Key* parent = nullptr;
    bool deleted = false;
    std::map<std::string, std::shared_ptr<Key>, NoCaseLess> subkeys;
    std::vector<Value> values;

    Value* FindValue(const std::string& n) {
        for (auto& v : values)
            if (SameName(v.name, n)) return &v;
        return nullptr;
    }
};

struct OpenKey {
    std::shared_ptr<Key> key;
};

std::recursive_mutex g_lock;
std::shared_ptr<Key> g_roots[3];

std::shared_ptr<Key> RootFor(HKEY key) {
    uintptr_t v = reinterpret_cast<uintptr_t>(key);
    if (v < 0x80000000u || v > 0x80000002u) return nullptr;
    auto& root = g_roots[v - 0x80000000u];
    if (!root) root = std::make_shared<Key>();
    return root;
}

// Resolves a handle, predefined or opened, to its key; null for a bad or deleted one.
std::shared_ptr<Key> Resolve(HKEY key, LONG* error) {
    std::shared_ptr<Key> k = RootFor(key);
    if (!k) {
        if (!key) {
            *error = ERROR_INVALID_HANDLE;
            return nullptr;
        }
        k = reinterpret_cast<OpenKey*>(key)->key;
    }
    if (k->deleted) {
        *error = ERROR_KEY_DELETED;
        return nullptr;
    }
    return k;
}

std::vector<std::string> SplitPath(const char* path) {
    std::vector<std::string> parts;
    if (!path) return parts;
    std::string part;
    for (const char* p = path;; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
            if (*p == '\0') break;
        } else {
            part += *p;
        }
    }
    return parts;
}

HKEY NewHandle(const std::shared_ptr<Key>& k) {
    return reinterpret_cast<HKEY>(new OpenKey{k});
}

// Copies data of `size` bytes to a caller buffer described by (out, outSize), the way the
// registry does: a null buffer is a size query, a short one gets ERROR_MORE_DATA.
LONG CopyData(const std::vector<BYTE>& data, LPBYTE out, LPDWORD outSize) {
    if (!outSize) return out ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    DWORD have = *outSize;
    *outSize = static_cast<DWORD>(data.size());
    if (!out) return ERROR_SUCCESS;
    if (have < data.size()) return ERROR_MORE_DATA;
    if (!data.empty()) std::memcpy(out, data.data(), data.size());
    return ERROR_SUCCESS;
}

// The Win32 registry never throws: running out of memory is an error code.
template <typename Body>
LONG Guarded(Body body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
}

}  // namespace

void HostRegistryReset() {
    std::lock_guard<std::recursive_mutex> guard(g_lock);
    for (auto& root : g_roots) {
        if (root) root->deleted = true;
        root.reset();
    }
}

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        if (!result) return ERROR_INVALID_PARAMETER;
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        for (const std::string& part : SplitPath(subKey)) {
            auto it = k->subkeys.find(part);
            if (it == k->subkeys.end()) return ERROR_FILE_NOT_FOUND;
            k = it->second;
        }
        *result = NewHandle(k);
        return ERROR_SUCCESS;
    });
}

LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                     PHKEY result, LPDWORD disposition) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        if (!result) return ERROR_INVALID_PARAMETER;
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        DWORD how = REG_OPENED_EXISTING_KEY;
        for (const std::string& part : SplitPath(subKey)) {
            auto it = k->subkeys.find(part);
            if (it == k->subkeys.end()) {
                auto child = std::make_shared<Key>();
                child->name = part;
                child->parent = k.get();
                it = k->subkeys.emplace(part, child).first;
                how = REG_CREATED_NEW_KEY;
            }
            k = it->second;
        }
        if (disposition) *disposition = how;
        *result = NewHandle(k);
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        if (RootFor(key)) return ERROR_SUCCESS;
        if (!key) return ERROR_INVALID_HANDLE;
        delete reinterpret_cast<OpenKey*>(key);
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        Value* v = k->FindValue(name ? name : "");
        if (!v) return ERROR_FILE_NOT_FOUND;
        if (type) *type = v->type;
        return CopyData(v->data, data, size);
    });
}

LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        if (!data && size) return ERROR_INVALID_PARAMETER;
        std::string n = name ? name : "";
        // Everything that can run out of memory comes first: a failed write changes nothing.
        std::vector<BYTE> bytes(data, data + size);
        Value* v = k->FindValue(n);
        if (!v) {
            auto at = std::upper_bound(k->values.begin(), k->values.end(), n,
                                       [](const std::string& a, const Value& b) {
                                           return NoCaseLess()(a, b.name);
                                       });
            v = &*k->values.insert(at, Value{std::move(n), type, std::move(bytes)});
            return ERROR_SUCCESS;
        }
        v->type = type;
        v->data = std::move(bytes);
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValueA(HKEY key, LPCSTR name) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        std::string n = name ? name : "";
        auto it = std::find_if(k->values.begin(), k->values.end(),
                               [&](const Value& v) { return SameName(v.name, n); });
        if (it == k->values.end()) return ERROR_FILE_NOT_FOUND;
        k->values.erase(it);
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        std::vector<std::string> parts = SplitPath(subKey);
        if (parts.empty()) return ERROR_INVALID_PARAMETER;
        for (size_t i = 0; i + 1 < parts.size(); ++i) {
            auto it = k->subkeys.find(parts[i]);
            if (it == k->subkeys.end()) return ERROR_FILE_NOT_FOUND;
            k = it->second;
        }
        auto it = k->subkeys.find(parts.back());
        if (it == k->subkeys.end()) return ERROR_FILE_NOT_FOUND;
        // As on NT: a key that still has subkeys is not deleted.
        if (!it->second->subkeys.empty()) return ERROR_ACCESS_DENIED;
        it->second->deleted = true;
        k->subkeys.erase(it);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameSize) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        if (index >= k->subkeys.size()) return ERROR_NO_MORE_ITEMS;
        auto it = k->subkeys.begin();
        std::advance(it, index);
        const std::string& n = it->second->name;
        if (!name || nameSize < n.size() + 1) return ERROR_MORE_DATA;
        std::memcpy(name, n.c_str(), n.size() + 1);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameChars, LPDWORD, LPDWORD type,
                   LPBYTE data, LPDWORD size) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        if (!nameChars) return ERROR_INVALID_PARAMETER;
        if (index >= k->values.size()) return ERROR_NO_MORE_ITEMS;
        const Value& v = k->values[index];
        if (!name || *nameChars < v.name.size() + 1) return ERROR_MORE_DATA;
        std::memcpy(name, v.name.c_str(), v.name.size() + 1);
        *nameChars = static_cast<DWORD>(v.name.size());
        if (type) *type = v.type;
        return CopyData(v.data, data, size);
    });
}

LONG RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classChars, LPDWORD, LPDWORD subKeys,
                      LPDWORD maxSubKeyChars, LPDWORD maxClassChars, LPDWORD values,
                      LPDWORD maxValueNameChars, LPDWORD maxValueBytes, LPDWORD securityBytes,
                      PFILETIME) {
    return Guarded([&]() -> LONG {
        std::lock_guard<std::recursive_mutex> guard(g_lock);
        LONG error = ERROR_SUCCESS;
        std::shared_ptr<Key> k = Resolve(key, &error);
        if (!k) return error;
        DWORD maxSub = 0, maxName = 0, maxData = 0;
        for (auto& [n, child] : k->subkeys) maxSub = std::max<DWORD>(maxSub, child->name.size());
        for (auto& v : k->values) {
            maxName = std::max<DWORD>(maxName, v.name.size());
            // Texts are kept as UTF-16 by the real registry, which reports that size here.
        bool text = v.type == REG_SZ || v.type == REG_EXPAND_SZ || v.type == REG_MULTI_SZ;
        maxData = std::max<DWORD>(maxData, v.data.size() * (text ? 2 : 1));
        }
        if (keyClass && classChars && *classChars) keyClass[0] = '\0';
        if (classChars) *classChars = 0;
        if (subKeys) *subKeys = static_cast<DWORD>(k->subkeys.size());
        if (maxSubKeyChars) *maxSubKeyChars = maxSub;
        if (maxClassChars) *maxClassChars = 0;
        if (values) *values = static_cast<DWORD>(k->values.size());
        if (maxValueNameChars) *maxValueNameChars = maxName;
        if (maxValueBytes) *maxValueBytes = maxData;
        if (securityBytes) *securityBytes = 0;
        return ERROR_SUCCESS;
    });
}
