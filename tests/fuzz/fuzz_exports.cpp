// Sequences of export calls on MIBs of every adapter class the factory can create, over a driver
// that answers every request with fuzzed bytes, lengths and statuses (fuzzed_driver.h): gets and
// sets with fuzzed identifiers, buffers and lengths, apply, refresh, status notifications, and
// closes of valid, closed and foreign handles. Nothing may crash, copy past a buffer, report more
// bytes than the buffer holds, leak, or leave a driver handle open.
//
// Input: a 16-bit length L, then L bytes of calls, then the driver's answers. The first call byte
// picks the adapter class.
#include "include/halvora.h"
#include "lib/adapter/nioc.h"
#include "lib/discovery/chipset_tables.h"
#include "lib/exports/library.h"
#include "lib/mib/catalogue.h"
#include "lib/platform/host/host_control.h"
#include "lib/store/reg_access.h"
#include "tests/fuzz/fuzzed_driver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using fuzz::ByteReader;

constexpr const char* kInstance = "{F0000000-0000-4000-8000-000000000001}";

// One adapter per class: the service name, or the PCI id with bus type 5, that the factory's
// tables map to it. Row 0 matches no table and gets the generic class.
struct ClassRow {
    std::string service;
    std::string pciId;
};

std::vector<ClassRow> ClassRows() {
    std::vector<ClassRow> rows{{"fuzzsvc", ""}};
    for (const auto& row : halvora::kServiceRows) rows.push_back({std::string(row.keys[0]), ""});
    for (const auto& row : halvora::kPciRows) rows.push_back({"fuzzsvc", std::string(row.keys[0])});
    return rows;
}

void LoadMachine(const ClassRow& row) {
    HostRegistryReset();
    halvora::RegAccess reg;
    const std::string net = "{4D36E972-E325-11CE-BFC1-08002BE10318}";
    reg.WriteText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", "6.1");
    reg.WriteText("SYSTEM\\CurrentControlSet\\Control\\Network\\" + net + "\\" + kInstance +
                      "\\Connection",
                  "PnpInstanceID", "PCI\\VEN_FUZZ\\1");
    const std::string device = "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_FUZZ\\1";
    reg.WriteText(device, "DeviceDesc", "Fuzzed adapter");
    reg.WriteText(device, "Mfg", "Fuzz");
    reg.WriteText(device, "Driver", (net + "\\0001").c_str());
    reg.WriteText(device, "Service", row.service.c_str());
    const std::string driver = "SYSTEM\\CurrentControlSet\\Control\\Class\\" + net + "\\0001";
    reg.WriteText(driver, "NetCfgInstanceId", kInstance);
    if (!row.pciId.empty()) {
        reg.WriteText(driver, "BusType", "5");
        reg.WriteText(driver, "MatchingDeviceId", ("pci\\" + row.pciId + "&subsys_0").c_str());
    }
}

struct Session {
    explicit Session(ByteReader& calls) : in(calls) {}
    ByteReader& in;
    std::vector<void*> live;
    std::vector<void*> closed;
    int foreign = 0;
};

void* PickHandle(Session& s) {
    uint8_t b = s.in.Byte();
    switch (b % 6) {
        case 0:
        case 1:
        case 2:
            if (!s.live.empty()) return s.live[b / 6 % s.live.size()];
            return nullptr;
        case 3:
            if (!s.closed.empty()) return s.closed[b / 6 % s.closed.size()];
            return nullptr;
        case 4: return &s.foreign;
        default: return nullptr;
    }
}

uint32_t PickId(Session& s) {
    const auto& leaves = halvora::kCatalogue;
    uint8_t b = s.in.Byte();
    switch (b % 4) {
        case 0:
        case 1: return leaves[s.in.U16() % leaves.size()].id | (b & 0x40 ? b & 0x7F : 0);
        case 2: {
            // A subtree: the leaf's identifier cut above one of its levels.
            constexpr uint32_t kMasks[] = {0, 0xC0000000u, 0xFC000000u, 0xFFF00000u, 0xFFFFC000u};
            return leaves[s.in.U16() % leaves.size()].id & kMasks[(b >> 2) % 5];
        }
        default: return s.in.U32();
    }
}

int32_t PickLength(Session& s) {
    uint8_t b = s.in.Byte();
    switch (b % 6) {
        case 0: return 4;
        case 1: return 6;
        case 2: return 0;
        case 3: return -static_cast<int32_t>(s.in.Byte()) - 1;
        case 4: return s.in.Byte();
        default: return s.in.U16() % 2049;
    }
}

// A value access with a buffer of exactly `length` bytes, so that any copy past it is caught.
void Access(Session& s, bool set) {
    void* mib = PickHandle(s);
    uint32_t id = PickId(s);
    int32_t length = PickLength(s);
    uint8_t flags = s.in.Byte();
    std::vector<uint8_t> bytes = s.in.Bytes(length > 0 ? size_t(length) : 0);
    bytes.resize(length > 0 ? size_t(length) : 0);
    // An empty buffer is still a valid address.
    void* buffer = (flags & 1)        ? nullptr
                   : bytes.empty()    ? static_cast<void*>(&s.foreign)
                                      : static_cast<void*>(bytes.data());
    uint32_t needed = 0xA5A5A5A5u, written = 0xA5A5A5A5u;
    uint32_t* neededOut = (flags & 2) ? nullptr : &needed;
    uint32_t* writtenOut = (flags & 4) ? nullptr : &written;
    int32_t status = set ? apsSetMIB(mib, id, buffer, length, neededOut, writtenOut)
                         : apsGetMIB(mib, id, buffer, length, neededOut, writtenOut);
    if (status == APS_OK && writtenOut && length >= 0 && written > uint32_t(length)) {
        std::fprintf(stderr, "%s %08x: written %u past a buffer of %d\n", set ? "set" : "get",
                     id, written, length);
        std::abort();
    }
}

void Close(Session& s) {
    void* h = PickHandle(s);
    apsCloseHandle(h);
    auto it = std::find(s.live.begin(), s.live.end(), h);
    if (it != s.live.end()) {
        s.closed.push_back(h);
        s.live.erase(it);
    }
}

void Search(Session& s) {
    APS_INTERFACE_LIST list = apsSearchInterface(nullptr, 0);
    for (int32_t i = 0; i < apsGetInterfaceCount(list); ++i) apsGetInstanceName(list, i);
    // An interface list is a foreign handle to every MIB export.
    uint32_t needed = 0, written = 0;
    uint8_t buffer[4];
    apsGetMIB(list, PickId(s), buffer, 4, &needed, &written);
    apsApply(list, 0);
    apsCloseHandle(list);
}

void Run(Session& s) {
    for (int op = 0; op < 48 && !s.in.Empty(); ++op) {
        switch (s.in.Byte() % 8) {
            case 0: {
                uint8_t how = s.in.Byte();
                std::string garbage = s.in.Text(how & 0x3F);
                const char* name = how < 0xC0 ? kInstance : how < 0xE0 ? garbage.c_str() : nullptr;
                if (APS_MIB mib = apsCreateMIB(name)) s.live.push_back(mib);
                break;
            }
            case 1: Access(s, false); break;
            case 2: Access(s, true); break;
            case 3: apsApply(PickHandle(s), PickId(s)); break;
            case 4: apsRefreshMIB(PickHandle(s), PickId(s)); break;
            case 5: Close(s); break;
            case 6: {
                constexpr uint32_t kCodes[] = {kStatusAdapterGone, kStatusAdapterBusy,
                                               kStatusAdapterBack, kStatusAdapterBack};
                uint8_t b = s.in.Byte();
                fuzz::DriverNotify(b < 0xF0 ? kCodes[b % 4] : s.in.U32());
                break;
            }
            default: Search(s); break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<ClassRow> rows = ClassRows();
    static int initialized = apsInitialize();
    (void)initialized;
    ByteReader head(data, size);
    size_t callBytes = std::min<size_t>(head.U16(), head.Left());
    ByteReader calls(data + 2 + (size >= 2 ? 0 : size), size >= 2 ? callBytes : 0);
    ByteReader driver(data + std::min(size, 2 + callBytes), size - std::min(size, 2 + callBytes));

    LoadMachine(rows[calls.Byte() % rows.size()]);
    fuzz::DriverReset();
    fuzz::DriverAnswersFrom(&driver);
    Session session(calls);
    Run(session);
    for (void* mib : session.live) apsCloseHandle(mib);
    fuzz::DriverAnswersFrom(nullptr);

    if (halvora::Library().mibs.Size() != 0 || halvora::Library().lists.Size() != 0) {
        std::fprintf(stderr, "handles still registered after every MIB was closed\n");
        std::abort();
    }
    if (fuzz::DriverOpenHandles() != 0 || fuzz::DriverBadCloses() != 0) {
        std::fprintf(stderr, "driver handles: %d left open, %d bad closes\n",
                     fuzz::DriverOpenHandles(), fuzz::DriverBadCloses());
        std::abort();
    }
    return 0;
}
