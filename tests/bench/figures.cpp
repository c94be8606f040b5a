#include "tests/bench/figures.h"

#include "include/halvora.h"
#include "lib/adapter/nioc.h"
#include "lib/discovery/records.h"
#include "lib/mib/catalogue.h"
#include "lib/platform/win32.h"
#include "molvex/molvex_control.h"
#include "tools/apstool/default_machine.h"
#include "tools/machine/machine_file.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

namespace bench {

namespace {

// The generic wireless adapter of the default machine.
constexpr const char* kInstance = "{2C4F8B13-9E7A-4D56-B1C0-5A8E3F6D7102}";

// One machine loaded for a figure; the registry is put back when the figure ends.
std::unique_ptr<machine::LoadedMachine> g_machine;

void Load(const std::string& text) {
    g_machine = std::make_unique<machine::LoadedMachine>();
    std::string error;
    if (!g_machine->Load(text, error)) throw std::runtime_error(error);
}

void LoadDefault() { Load(std::string(apstool::DefaultMachine())); }

void Unload() { g_machine.reset(); }

std::string TakeTrace() {
    uint32_t needed = 0;
    MolvexSim_ReadTrace(nullptr, 0, &needed, 0);
    std::string text(needed + 1, '\0');
    if (!MolvexSim_ReadTrace(text.data(), static_cast<uint32_t>(text.size()), &needed, 1))
        return {};
    text.resize(std::strlen(text.c_str()));
    return text;
}

// --- cached apsGetMIB against a map lookup and copy of the same value -------------------------

APS_MIB g_mib = nullptr;
uint8_t g_value[4];
uint32_t g_needed, g_written;
std::unordered_map<uint32_t, std::vector<uint8_t>> g_map;

void OpenMib() {
    LoadDefault();
    apsInitialize();
    g_mib = apsCreateMIB(kInstance);
    if (!g_mib) throw std::runtime_error("apsCreateMIB failed on the default machine");
    if (apsGetMIB(g_mib, APS_dot11RTSThreshold, g_value, 4, &g_needed, &g_written) != APS_OK)
        throw std::runtime_error("dot11RTSThreshold is not cached");
}

void CloseMib() {
    apsCloseHandle(g_mib);
    g_mib = nullptr;
    Unload();
}

void FillMap() {
    // As many entries as the catalogue has leaves, each holding a value of its kind's size.
    for (const halvora::Leaf& leaf : halvora::kCatalogue)
        g_map[leaf.id] = std::vector<uint8_t>(leaf.kind == halvora::LeafKind::Mac ? 6 : 4, 0x5A);
}

void MapGet() {
    auto it = g_map.find(APS_dot11RTSThreshold);
    uint32_t needed = 0, written = 0;
    if (it != g_map.end() && it->second.size() == sizeof g_value) {
        std::memcpy(g_value, it->second.data(), it->second.size());
        written = static_cast<uint32_t>(it->second.size());
    }
    g_needed = needed;
    g_written = written;
}

// --- apsCreateMIB, against the driver requests it makes, sent straight to the stand-in --------

struct Request {
    bool set;
    uint32_t oid;
    uint32_t length;
};
std::vector<Request> g_requests;
double g_requestsPerOpen = 0;

void OpenAndClose() {
    APS_MIB mib = apsCreateMIB(kInstance);
    if (!mib) throw std::runtime_error("apsCreateMIB failed");
    apsCloseHandle(mib);
}

void CreateOnce() {
    OpenAndClose();
    // As in the baseline: the stand-in's trace must not grow from run to run.
    MolvexSim_ClearTrace();
}

// The queries and sets of one opening, read from the stand-in's trace.
void RecordRequests() {
    LoadDefault();
    apsInitialize();
    MolvexSim_Reset();
    OpenAndClose();
    std::istringstream lines(TakeTrace());
    std::string line;
    g_requests.clear();
    while (std::getline(lines, line)) {
        char kind[8], instance[64];
        unsigned oid = 0, length = 0;
        if (std::sscanf(line.c_str(), "%7s %63s %x len=%u", kind, instance, &oid, &length) != 4)
            continue;
        if (!std::strcmp(kind, "query") || !std::strcmp(kind, "set"))
            g_requests.push_back({kind[0] == 's', oid, length});
    }
    g_requestsPerOpen = static_cast<double>(g_requests.size());
}

void ReplayRequests() {
    NIOC_HANDLE h = NIOC_OpenInstance(kInstance);
    std::vector<uint8_t> buffer(4096);
    for (const Request& r : g_requests) {
        uint32_t status = 0, needed = 0, count = 0;
        uint32_t length = r.length < buffer.size() ? r.length : uint32_t(buffer.size());
        if (r.set)
            NIOC_SetOid(h, &status, r.oid, buffer.data(), length, &needed, &count);
        else
            NIOC_QueryOid(h, &status, r.oid, buffer.data(), length, &needed, &count);
    }
    NIOC_CloseInstance(h);
    MolvexSim_ClearTrace();
}

// --- the Windows 9x scan of an "Enum" tree, against a bare walk of the same tree -------------

// Windows 98 with `keys` device keys below Enum: bus folders of 100 devices of 10 instances each,
// so that no key is wider than 100 subkeys whatever the size; one device key in fifty is a
// network adapter with its driver key.
std::string EnumTree(int keys) {
    std::ostringstream out;
    out << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\n"
           "\"VersionNumber\"=\"4.10.2222\"\n\n";
    for (int i = 0; i < keys; ++i) {
        char key[96];
        std::snprintf(key, sizeof key, "Enum\\BUS%02d\\DEV_%04X\\%d", i / 1000, i / 10 % 100,
                      i % 10);
        bool net = i % 50 == 0;
        out << "[HKEY_LOCAL_MACHINE\\" << key << "]\n"
            << "\"DeviceDesc\"=\"Device " << i << "\"\n"
            << "\"Class\"=\"" << (net ? "Net" : "System") << "\"\n"
            << "\"Driver\"=\"" << (net ? "Net" : "System") << "\\\\" << 1000 + i % 9000 << "\"\n"
            << "\"Mfg\"=\"Maker\"\n\n";
        if (net)
            out << "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\"
                << 1000 + i % 9000 << "\\NDIS]\n\"LogDriverName\"=\"drv" << i << "\"\n\n";
    }
    return out.str();
}

// Every key and value below `key`, read the way a walk must: key information, each value into
// buffers of the longest sizes, each subkey opened and walked.
long BareWalk(HKEY key) {
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    std::vector<char> name(2 * size_t(maxName) + 2);
    std::vector<BYTE> data(maxData + 1);
    for (DWORD i = 0;; ++i) {
        DWORD nameChars = static_cast<DWORD>(name.size()), size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, i, name.data(), &nameChars, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
    }
    long keys = 1;
    std::vector<char> subkey(2 * size_t(maxSubkey) + 2);
    for (DWORD i = 0;
         RegEnumKeyA(key, i, subkey.data(), static_cast<DWORD>(subkey.size())) == ERROR_SUCCESS;
         ++i) {
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, subkey.data(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
        keys += BareWalk(child);
        RegCloseKey(child);
    }
    return keys;
}

long BareWalkEnum() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Enum", 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    long keys = BareWalk(key);
    RegCloseKey(key);
    return keys;
}

size_t g_found = 0;

}  // namespace

std::vector<Figure> Figures() {
    std::vector<Figure> figures;
    figures.push_back({"cached_apsGetMIB", "", OpenMib, [] {
                           apsGetMIB(g_mib, APS_dot11RTSThreshold, g_value, 4, &g_needed,
                                     &g_written);
                       },
                       CloseMib});
    figures.push_back({"unordered_map_get", "cached_apsGetMIB", FillMap, MapGet, [] {
                           g_map.clear();
                       }});

    Figure create{"apsCreateMIB_default", "", RecordRequests, CreateOnce, Unload};
    create.counters = [] {
        return std::vector<std::pair<std::string, double>>{{"driver_requests",
                                                            g_requestsPerOpen}};
    };
    figures.push_back(create);
    figures.push_back({"driver_requests_alone", "apsCreateMIB_default", RecordRequests,
                       ReplayRequests, Unload});

    for (int keys : {100, 1000, 10000}) {
        // Keys the walk visits: the device keys and their bus and device folders, and Enum.
        std::string tree = EnumTree(keys);
        auto setUp = [tree] {
            Load(tree);
            apsInitialize();
        };
        double visited = 0;
        {
            Load(tree);
            visited = static_cast<double>(BareWalkEnum());
            Unload();
        }
        std::string suffix = "/" + std::to_string(keys);
        Figure scan{"scan_9x_enum" + suffix, "", setUp, [] {
                        g_found = halvora::ScanAdapters(halvora::WindowsFamily::Win9x).size();
                    },
                    Unload, visited};
        figures.push_back(scan);
        figures.push_back({"bare_walk_enum" + suffix, "scan_9x_enum" + suffix, setUp,
                           [] { BareWalkEnum(); }, Unload, visited});
    }
    return figures;
}

}  // namespace bench
