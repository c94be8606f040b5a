// The registry walk and the adapter scan over fuzzed registry trees: every family's scan, the
// interface list built from it, and walks that a callback ends early. Nothing may crash, read
// past a buffer or leak an open key.
#include "include/halvora.h"
#include "lib/discovery/records.h"
#include "lib/store/reg_walker.h"
#include "tests/fuzz/registry_tree.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using halvora::RegValue;
using halvora::RegWalker;

struct WalkCheck {
    long visits = 0;
    long stopAt = -1;  // the callback that answers false; -1 never
};

bool Visit(WalkCheck& check) { return check.visits++ != check.stopAt; }

bool OnValue(const char* path, const char* name, const RegValue& value, int depth, void* user) {
    // A subkey is always visited with a path; names are terminated text.
    if (depth > 0 && !path) std::abort();
    volatile size_t n = std::strlen(name) + (path ? std::strlen(path) : 0);
    (void)n;
    if (value.Size() && !value.Data()) std::abort();
    std::string text;
    value.GetString(text);
    uint32_t number = 0;
    value.GetNumber(number);
    return Visit(*static_cast<WalkCheck*>(user));
}

bool OnKey(const char* name, int depth, void* user) {
    if (depth < 0) std::abort();
    volatile size_t n = std::strlen(name);
    (void)n;
    return Visit(*static_cast<WalkCheck*>(user));
}

void Walks(fuzz::ByteReader& in) {
    WalkCheck check;
    check.stopAt = in.Byte() == 0 ? long(in.Byte()) : -1;
    RegWalker walker(OnValue, &check, OnKey, &check);
    walker.Walk(nullptr, RegWalker::kValues | RegWalker::kKeys);
    check.visits = 0;
    walker.Walk(fuzz::kAnchors[in.Byte() % fuzz::kAnchorCount], in.Byte() & 3);
}

void Scans() {
    using halvora::WindowsFamily;
    for (WindowsFamily family : {WindowsFamily::Win9x, WindowsFamily::NT4, WindowsFamily::NT5,
                                 WindowsFamily::NT6}) {
        halvora::AdapterCollection found = halvora::ScanAdapters(family);
        for (const auto& entry : found) {
            const halvora::AdapterRecord* adapter = entry->Adapter();
            if (!entry->valid || !adapter || !adapter->valid || !adapter->driverRecord)
                std::abort();
        }
    }
}

// A filter text: absent, a word the registry may hold, or raw bytes.
const char* FilterText(fuzz::ByteReader& in, std::vector<std::string>& keep) {
    uint8_t b = in.Byte();
    if (b == 0xFF) return nullptr;
    keep.push_back(b < fuzz::kWordCount ? std::string(fuzz::kWords[b]) : in.Text(b & 0x1f));
    return keep.back().c_str();
}

void Search(fuzz::ByteReader& in) {
    std::vector<std::string> keep;
    keep.reserve(3 * 4);
    std::vector<InterfaceFilter> filters(in.Byte() % 4);
    for (InterfaceFilter& f : filters) {
        f.manufacturer = FilterText(in, keep);
        f.description = FilterText(in, keep);
        f.service = FilterText(in, keep);
    }
    APS_INTERFACE_LIST list = apsSearchInterface(filters.empty() ? nullptr : filters.data(),
                                                 static_cast<int32_t>(filters.size()));
    int32_t count = apsGetInterfaceCount(list);
    for (int32_t i = -1; i <= count; ++i) {
        for (const char* text : {apsGetInstanceName(list, i), apsGetFriendlyName(list, i),
                                 apsGetIfMfg(list, i), apsGetIfService(list, i)}) {
            if (text) {
                volatile size_t n = std::strlen(text);
                (void)n;
            }
        }
    }
    apsCloseHandle(list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int initialized = apsInitialize();
    (void)initialized;
    fuzz::ByteReader in(data, size);
    fuzz::BuildRegistryTree(in);
    Walks(in);
    Scans();
    Search(in);
    return 0;
}
