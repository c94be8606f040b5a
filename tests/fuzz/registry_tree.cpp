#include "tests/fuzz/registry_tree.h"

#include "lib/platform/host/host_control.h"
#include "lib/platform/win32.h"

#include <cstring>
#include <vector>

namespace fuzz {

const char* const kAnchors[] = {
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}",
    "SYSTEM\\CurrentControlSet\\Enum\\PCI",
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}",
    "SYSTEM\\CurrentControlSet\\Services",
    "SYSTEM\\CurrentControlSet\\Services\\Class\\Net",
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards",
    "Enum",
    "Enum\\PCI",
    "SYSTEM\\CurrentControlSet\\Enum",
    "SOFTWARE\\MolvexSim\\Adapters",
};
const size_t kAnchorCount = sizeof kAnchors / sizeof kAnchors[0];

// Names and texts the scan compares against or follows, and a few awkward ones.
const char* const kWords[] = {
    "PnpInstanceID",
    "ServiceName",
    "Class",
    "Net",
    "Description",
    "Manufacturer",
    "ProductName",
    "DeviceDesc",
    "Driver",
    "Mfg",
    "Service",
    "NetCfgInstanceId",
    "LogDriverName",
    "NDIS",
    "Connection",
    "0000",
    "0001",
    "1",
    "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001",
    "Net\\0001",
    "PCI\\VEN_168C&DEV_0013\\4&1",
    "VEN_168C&DEV_0013",
    "4&1",
    "{11111111-2222-3333-4444-555555555555}",
    "ar5211",
    "ar521",
    "@oem1.inf,%desc%;Wireless LAN Card",
    "Maker;",
    ";",
    "",
    "N/A",
};
const size_t kWordCount = sizeof kWords / sizeof kWords[0];

namespace {

void Create(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void SetValue(const std::string& path, const std::string& name, DWORD type,
              const std::vector<uint8_t>& data) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

std::string Name(ByteReader& in) {
    uint8_t b = in.Byte();
    if (b < kWordCount) return kWords[b];
    return in.Text(b & 0x3f);
}

std::vector<uint8_t> Data(ByteReader& in) {
    uint8_t b = in.Byte();
    if (b < kWordCount) {
        const char* word = kWords[b];
        return std::vector<uint8_t>(word, word + std::strlen(word) + 1);
    }
    size_t n = b == 0xFF ? in.U16() : size_t(b - kWordCount);
    return in.Bytes(n);
}

void SetVersion(uint8_t which) {
    const char* nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const char* ntVersions[] = {"4.0", "5.1", "6.1"};
    which %= 4;
    if (which == 0) {
        SetValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "VersionNumber", REG_SZ,
                 std::vector<uint8_t>({'4', '.', '1', '0', '.', '2', '2', '2', '2', 0}));
        return;
    }
    const char* v = ntVersions[which - 1];
    SetValue(nt, "CurrentVersion", REG_SZ, std::vector<uint8_t>(v, v + 4));
}

}  // namespace

void BuildRegistryTree(ByteReader& in) {
    HostRegistryReset();
    std::string path;
    // Bounded so that one input cannot build an enormous tree.
    for (int op = 0; op < 4096 && !in.Empty(); ++op) {
        switch (in.Byte() % 6) {
            case 0:
                path = kAnchors[in.Byte() % kAnchorCount];
                Create(path);
                break;
            case 1: {
                std::string name = Name(in);
                path = path.empty() ? name : path + "\\" + name;
                Create(path);
                break;
            }
            case 2: {
                size_t slash = path.rfind('\\');
                path = slash == std::string::npos ? std::string() : path.substr(0, slash);
                break;
            }
            case 3: {
                std::string name = Name(in);
                uint8_t t = in.Byte();
                DWORD type = t < 0x80 ? t : in.U32();
                SetValue(path, name, type, Data(in));
                break;
            }
            case 4:
                SetVersion(in.Byte());
                break;
            case 5:
                return;
        }
    }
}

}  // namespace fuzz
