// The fourteen exports. Each runs in the frame of library.h: module state, initialized check,
// handle lookup, then its body; no exception reaches the caller.
#include "include/halvora.h"
#include "lib/adapter/adapter_instance.h"
#include "lib/exports/library.h"
#include "lib/mib/mib_root.h"

#include <memory>

using namespace halvora;

namespace {

bool IsEmpty(const char* text) { return !text || !*text; }

// A criterion with nothing to compare refuses the whole search.
bool CriteriaUsable(const InterfaceFilter* criteria, int32_t count) {
    if (!criteria || count <= 0) return true;
    for (int32_t i = 0; i < count; ++i) {
        const InterfaceFilter& f = criteria[i];
        if (IsEmpty(f.manufacturer) && IsEmpty(f.description) && IsEmpty(f.service)) return false;
    }
    return true;
}

// The four name exports share one shape.
template <typename Accessor>
const char* NameAt(APS_INTERFACE_LIST list, int32_t index, Accessor accessor) {
    return FramedHandle<const char*>(nullptr, nullptr, Library().lists, list,
                                     [&](InterfaceList& l) -> const char* {
                                         if (index < 0 || index >= l.Count()) return nullptr;
                                         return (l.*accessor)(index);
                                     });
}

// apsGetMIB and apsSetMIB: the counters are written back whatever the status.
template <typename Call>
int32_t ValueAccess(APS_MIB mib, uint32_t* needed, uint32_t* written, Call call) {
    return FramedHandle<int32_t>(APS_INVALID, APS_INVALID, Library().mibs, mib,
                                 [&](MibNode& root) {
                                     uint32_t n = 0, w = 0;
                                     Status status = call(root, &n, &w);
                                     if (needed) *needed = n;
                                     if (written) *written = w;
                                     return status;
                                 });
}

}  // namespace

extern "C" {

APS_API int32_t APS_CALL apsInitialize(void) {
    return Framed<int32_t>(0, [] {
        Library().initialized = 1;
        return 0;
    });
}

APS_API APS_INTERFACE_LIST APS_CALL apsSearchInterface(const InterfaceFilter* criteria,
                                                       int32_t count) {
    return Framed<APS_INTERFACE_LIST>(nullptr, [&]() -> APS_INTERFACE_LIST {
        if (!Library().initialized || !CriteriaUsable(criteria, count)) return nullptr;
        auto list = std::make_unique<InterfaceList>(criteria, count);
        Library().lists.Add(list.get());
        return list.release();
    });
}

APS_API int32_t APS_CALL apsGetInterfaceCount(APS_INTERFACE_LIST list) {
    return FramedHandle<int32_t>(APS_INVALID, 0, Library().lists, list,
                                 [](InterfaceList& l) { return l.Count(); });
}

APS_API const char* APS_CALL apsGetInstanceName(APS_INTERFACE_LIST list, int32_t index) {
    return NameAt(list, index, &InterfaceList::InstanceName);
}

APS_API const char* APS_CALL apsGetFriendlyName(APS_INTERFACE_LIST list, int32_t index) {
    return NameAt(list, index, &InterfaceList::FriendlyName);
}

APS_API const char* APS_CALL apsGetIfMfg(APS_INTERFACE_LIST list, int32_t index) {
    return NameAt(list, index, &InterfaceList::Manufacturer);
}

APS_API const char* APS_CALL apsGetIfService(APS_INTERFACE_LIST list, int32_t index) {
    return NameAt(list, index, &InterfaceList::Service);
}

APS_API int32_t APS_CALL apsGetReady(const char* instanceName, int32_t* isWireless) {
    return Framed<int32_t>(0, [&] {
        AdapterInstance instance(instanceName);
        bool ready = instance.WaitBound(10) && instance.WaitReady(500);
        if (ready && isWireless) *isWireless = instance.IsWireless();
        return ready ? 1 : 0;
    });
}

APS_API void APS_CALL apsCloseHandle(APS_HANDLE handle) {
    Framed<int>(0, [&] {
        if (!Library().initialized || !handle) return 0;
        if (!Library().lists.Remove(handle)) Library().mibs.Remove(handle);
        return 0;
    });
}

APS_API APS_MIB APS_CALL apsCreateMIB(const char* instanceName) {
    return Framed<APS_MIB>(nullptr, [&]() -> APS_MIB {
        if (!Library().initialized) return nullptr;
        auto instance = std::make_unique<AdapterInstance>(instanceName);
        if (!instance->WaitBound(1000) || !instance->IsWireless()) return nullptr;
        std::unique_ptr<MibNode> root = CreateBoundMib(std::move(instance));
        Library().mibs.Add(root.get());
        return root.release();
    });
}

APS_API int32_t APS_CALL apsRefreshMIB(APS_MIB mib, uint32_t id) {
    return FramedHandle<int32_t>(APS_INVALID, APS_INVALID, Library().mibs, mib,
                                 [&](MibNode& root) { return root.Refresh(id); });
}

APS_API int32_t APS_CALL apsGetMIB(APS_MIB mib, uint32_t id, void* buffer, int32_t length,
                                   uint32_t* needed, uint32_t* written) {
    return ValueAccess(mib, needed, written, [&](MibNode& root, uint32_t* n, uint32_t* w) {
        return root.Get(id, buffer, length, n, w);
    });
}

APS_API int32_t APS_CALL apsSetMIB(APS_MIB mib, uint32_t id, const void* buffer, int32_t length,
                                   uint32_t* needed, uint32_t* written) {
    return ValueAccess(mib, needed, written, [&](MibNode& root, uint32_t* n, uint32_t* w) {
        return root.Set(id, buffer, length, n, w);
    });
}

APS_API int32_t APS_CALL apsApply(APS_MIB mib, uint32_t id) {
    return FramedHandle<int32_t>(APS_INVALID, APS_INVALID, Library().mibs, mib,
                                 [&](MibNode& root) { return root.Apply(id); });
}

}  // extern "C"
