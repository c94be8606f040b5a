// Applying machine files to the registry, writing registry keys back as REGEDIT4, and loading a
// machine for the lifetime of a test.
#include "lib/platform/host/host_control.h"
#include "lib/platform/win32.h"
#include "tools/machine/machine_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace machine {

namespace {

HKEY RootKey(const std::string& root) {
    if (root == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
    if (root == "HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
    return HKEY_LOCAL_MACHINE;
}

#ifdef _WIN32
bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
#endif

// Deletes a key and everything below it (RegDeleteKeyA removes only empty keys on NT).
void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[1024];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        children.push_back(name);
    RegCloseKey(key);
    for (const std::string& child : children) DeleteTree(root, path + "\\" + child);
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos) {
        RegDeleteKeyA(root, path.c_str());
        return;
    }
    HKEY parent = nullptr;
    if (RegOpenKeyExA(root, path.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS, &parent) !=
        ERROR_SUCCESS)
        return;
    RegDeleteKeyA(parent, path.substr(slash + 1).c_str());
    RegCloseKey(parent);
}

// Creates a key with the keys on the way. Wine keeps some keys volatile (NetworkCards lists the
// host's interfaces), and below a volatile key only volatile keys can be made.
bool CreateKey(HKEY root, const std::string& path) {
    for (DWORD option : {DWORD(REG_OPTION_NON_VOLATILE), DWORD(REG_OPTION_VOLATILE)}) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, option, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return true;
        }
    }
    return false;
}

struct ValueSnapshot {
    bool existed = false;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

#ifdef _WIN32
ValueSnapshot ReadSnapshot(HKEY root, const std::string& path, const std::string& name) {
    ValueSnapshot s;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return s;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &s.type, nullptr, &size) == ERROR_SUCCESS) {
        s.data.resize(size);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &s.type, s.data.data(), &size) ==
            ERROR_SUCCESS) {
            s.data.resize(size);
            s.existed = true;
        }
    }
    RegCloseKey(key);
    return s;
}
#endif

bool WriteValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                const std::vector<uint8_t>& data) {
    HKEY key = nullptr;
    if (!CreateKey(root, path) ||
        RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(key, name.c_str(), 0, type, data.data(),
                             static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

// The reader's escapes: a name may hold a line break, which must not end the line.
std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            if (c == '\\' || c == '"') out += '\\';
            out += c;
        }
    }
    return out + "\"";
}

// A text prints quoted when it is exactly one zero-terminated run of printable characters.
bool PrintableText(const std::vector<uint8_t>& data) {
    if (data.empty() || data.back() != 0) return false;
    for (size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] < 0x20 || data[i] == 0x7F) return false;
    return true;
}

void WriteHex(std::ostringstream& out, const std::string& prefix, const std::vector<uint8_t>& data) {
    out << prefix;
    size_t column = prefix.size();
    for (size_t i = 0; i < data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", data[i]);
        out << byte;
        column += 2;
        if (i + 1 < data.size()) {
            out << ',';
            ++column;
            if (column > 76) {
                out << "\\\n  ";
                column = 2;
            }
        }
    }
    out << '\n';
}

void ExportKey(std::ostringstream& out, HKEY root, const std::string& rootName,
               const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.empty() ? nullptr : path.c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    out << '[' << rootName << (path.empty() ? "" : "\\") << path << "]\n";
    DWORD maxName = 0, maxData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                     &maxData, nullptr, nullptr);
    std::vector<char> name(maxName + 2);
    std::vector<uint8_t> data(maxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD nameChars = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG rc = RegEnumValueA(key, i, name.data(), &nameChars, nullptr, &type, data.data(), &size);
        if (rc != ERROR_SUCCESS) break;
        std::vector<uint8_t> bytes(data.begin(), data.begin() + size);
        std::string n(name.data(), nameChars);
        std::string lead = n.empty() ? "@=" : Quote(n) + "=";
        if (type == REG_SZ && PrintableText(bytes)) {
            out << lead << Quote(std::string(bytes.begin(), bytes.end() - 1)) << '\n';
        } else if (type == REG_DWORD && bytes.size() == 4) {
            char text[16];
            uint32_t v = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24;
            std::snprintf(text, sizeof text, "dword:%08x", v);
            out << lead << text << '\n';
        } else if (type == REG_BINARY) {
            WriteHex(out, lead + "hex:", bytes);
        } else {
            char prefix[32];
            std::snprintf(prefix, sizeof prefix, "hex(%x):", type);
            WriteHex(out, lead + prefix, bytes);
        }
    }
    std::vector<std::string> children;
    char child[1024];
    for (DWORD i = 0; RegEnumKeyA(key, i, child, sizeof child) == ERROR_SUCCESS; ++i)
        children.push_back(child);
    RegCloseKey(key);
    out << '\n';
    for (const std::string& c : children)
        ExportKey(out, root, rootName, path.empty() ? c : path + "\\" + c);
}

}  // namespace

bool Apply(const ParsedMachine& machine, std::string& error) {
    for (const KeyChange& k : machine.keys) {
        HKEY root = RootKey(k.root);
        if (k.removeTree) {
            DeleteTree(root, k.path);
            continue;
        }
        if (!CreateKey(root, k.path)) {
            error = "cannot create key " + k.root + "\\" + k.path;
            return false;
        }
        for (const ValueChange& v : k.values) {
            if (v.remove) {
                DeleteValue(root, k.path, v.name);
            } else if (!WriteValue(root, k.path, v.name, v.type, v.data)) {
                error = "cannot write value \"" + v.name + "\" in " + k.root + "\\" + k.path;
                return false;
            }
        }
    }
    return true;
}

bool Import(std::string_view text, std::string& error) {
    ParsedMachine parsed;
    return Parse(text, parsed, error) && Apply(parsed, error);
}

bool ReadFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read machine file " + path;
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool ImportFile(const std::string& path, std::string& error) {
    std::string text;
    return ReadFile(path, text, error) && Import(text, error);
}

std::string Export(const std::vector<std::string>& roots) {
    std::ostringstream out;
    out << "REGEDIT4\n\n";
    for (const std::string& r : roots) {
        size_t slash = r.find('\\');
        std::string rootName = r.substr(0, slash);
        std::string path = slash == std::string::npos ? "" : r.substr(slash + 1);
        ExportKey(out, RootKey(rootName), rootName, path);
    }
    return out.str();
}

std::string ExportMachine(const ParsedMachine& loaded) {
#ifdef _WIN32
    // The real registry is large: write back only the trees the machine file named, each once.
    std::vector<std::string> roots;
    for (const KeyChange& k : loaded.keys) {
        if (k.removeTree) continue;
        std::string full = k.root + "\\" + k.path;
        bool covered = false;
        for (const std::string& r : roots)
            covered = covered || full == r || full.rfind(r + "\\", 0) == 0;
        if (!covered) roots.push_back(full);
    }
    return Export(roots);
#else
    (void)loaded;
    return Export({"HKEY_LOCAL_MACHINE"});
#endif
}

bool SaveFile(const std::string& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

// What Unload must do to put the registry back: keys the load created, values it changed.
struct LoadedMachine::Undo {
    HKEY root;
    std::string path;
    bool createdKey = false;
    std::string name;
    ValueSnapshot before;
};

bool LoadedMachine::Load(std::string_view text, std::string& error) {
    Unload();
    ParsedMachine parsed;
    if (!Parse(text, parsed, error)) return false;
#ifdef _WIN32
    for (const KeyChange& k : parsed.keys) {
        HKEY root = RootKey(k.root);
        if (k.removeTree) continue;
        // The top-most key of the path that does not exist yet is removed whole at unload.
        std::string prefix;
        size_t start = 0;
        while (start <= k.path.size()) {
            size_t slash = k.path.find('\\', start);
            std::string part = k.path.substr(start, slash - start);
            prefix += (prefix.empty() ? "" : "\\") + part;
            if (!KeyExists(root, prefix)) {
                auto u = std::make_unique<Undo>();
                u->root = root;
                u->path = prefix;
                u->createdKey = true;
                undo_.push_back(std::move(u));
                break;
            }
            if (slash == std::string::npos) break;
            start = slash + 1;
        }
        for (const ValueChange& v : k.values) {
            auto u = std::make_unique<Undo>();
            u->root = root;
            u->path = k.path;
            u->name = v.name;
            u->before = ReadSnapshot(root, k.path, v.name);
            undo_.push_back(std::move(u));
        }
    }
#else
    HostRegistryReset();
#endif
    loaded_ = true;
    parsed_ = std::move(parsed);
    return Apply(parsed_, error);
}

bool LoadedMachine::LoadFile(const std::string& path, std::string& error) {
    std::string text;
    return ReadFile(path, text, error) && Load(text, error);
}

void LoadedMachine::Unload() {
    if (!loaded_) return;
#ifdef _WIN32
    for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) {
        Undo& u = **it;
        if (u.createdKey) {
            DeleteTree(u.root, u.path);
        } else if (u.before.existed) {
            WriteValue(u.root, u.path, u.name, u.before.type, u.before.data);
        } else {
            DeleteValue(u.root, u.path, u.name);
        }
    }
#else
    HostRegistryReset();
#endif
    undo_.clear();
    parsed_ = ParsedMachine{};
    loaded_ = false;
}

LoadedMachine::LoadedMachine() = default;
LoadedMachine::~LoadedMachine() { Unload(); }

}  // namespace machine
