// The registry scan: where each Windows family keeps its network adapters, and which values mark
// one.
#include "lib/discovery/records.h"

#include "lib/store/reg_walker.h"

#include <cstring>
#include <new>

namespace halvora {

namespace {

struct ScanState {
    WindowsFamily family;
    AdapterCollection* collection;
    bool outOfMemory = false;
};

// Runs one visit of the walk; a visit that runs out of memory ends the walk, so that the walk
// closes its keys before the failure is reported.
template <typename Visit>
bool Collect(ScanState& state, Visit visit) {
    try {
        visit();
        return true;
    } catch (const std::bad_alloc&) {
        state.outOfMemory = true;
        return false;
    }
}

void Append(ScanState& state, std::unique_ptr<InterfaceEntry> entry) {
    entry->valid = true;
    state.collection->push_back(std::move(entry));
}

// NT 5 and later: every connection key names its device by "PnpInstanceID".
bool OnConnectionValue(const char* path, const char* name, const RegValue&, int, void* user) {
    auto& state = *static_cast<ScanState*>(user);
    if (!path || std::strcmp(name, "PnpInstanceID") != 0) return true;
    return Collect(state, [&] {
        auto connection = ConnectionRecord::FromConnectionKey(path, state.family);
        if (!connection->valid) return;
        auto entry = std::make_unique<InterfaceEntry>();
        entry->connection = std::move(connection);
        Append(state, std::move(entry));
    });
}

// NT 4 and 9x: a card's key carries "ServiceName", a device key "Class" = "Net".
bool OnDeviceValue(const char* path, const char* name, const RegValue& value, int, void* user) {
    auto& state = *static_cast<ScanState*>(user);
    if (!path || !RegValue::IsTextType(value.Type())) return true;
    return Collect(state, [&] {
        std::string text;
        value.GetString(text);
        bool marks = std::strcmp(name, "ServiceName") == 0 ||
                     (std::strcmp(name, "Class") == 0 && text == "Net");
        if (!marks) return;
        auto adapter = AdapterRecord::FromDeviceKey(path, state.family);
        if (!adapter->valid) return;
        auto entry = std::make_unique<InterfaceEntry>();
        entry->adapter = std::move(adapter);
        Append(state, std::move(entry));
    });
}

}  // namespace

AdapterCollection ScanAdapters() { return ScanAdapters(CurrentWindowsFamily()); }

AdapterCollection ScanAdapters(WindowsFamily family) {
    AdapterCollection collection;
    ScanState state{family, &collection};
    switch (family) {
        case WindowsFamily::NT5:
        case WindowsFamily::NT6:
            RegWalker(OnConnectionValue, &state)
                .Walk("SYSTEM\\CurrentControlSet\\Control\\Network", RegWalker::kValues);
            break;
        case WindowsFamily::NT4:
            RegWalker(OnDeviceValue, &state)
                .Walk("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards",
                      RegWalker::kValues);
            break;
        case WindowsFamily::Win9x:
            RegWalker(OnDeviceValue, &state).Walk("Enum", RegWalker::kValues);
            break;
    }
    if (state.outOfMemory) throw std::bad_alloc();
    return collection;
}

}  // namespace halvora
