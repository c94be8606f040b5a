// The library-wide state behind the exports, and the frame every export runs in.
#pragma once

#include "lib/discovery/interface_list.h"
#include "lib/exports/handle_registry.h"
#include "lib/mib/mib_node.h"

#include <new>

namespace halvora {

struct LibraryState {
    int32_t initialized = 0;
    HandleList<InterfaceList> lists;  // list A
    HandleList<MibNode> mibs;         // list B: MibRoot objects

    // At unload interface lists go first, then MIBs (each with its adapter instance).
    ~LibraryState() {
        lists.DestroyAll();
        mibs.DestroyAll();
    }
};

LibraryState& Library();

// The library's module state: made current on entry to every export and the caller's restored
// on every way out.
class ModuleStateScope {
public:
    ModuleStateScope();
    ~ModuleStateScope();
    ModuleStateScope(const ModuleStateScope&) = delete;
    ModuleStateScope& operator=(const ModuleStateScope&) = delete;

private:
    const void* saved_;
};

// Runs an export body in the frame: module state, then no exception ever reaches the caller
// (out of memory and any other failure give `onFailure`).
template <typename Result, typename Body>
Result Framed(Result onFailure, Body&& body) noexcept {
    ModuleStateScope scope;
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

// The frame of an export that needs the library initialized and takes a handle of list `List`:
// the not-initialized and unregistered answers come first, then the body with the object.
template <typename Result, typename Object, typename Body>
Result FramedHandle(Result notInitialized, Result unregistered, HandleList<Object>& list,
                    const void* handle, Body&& body) noexcept {
    return Framed(unregistered, [&]() -> Result {
        if (!Library().initialized) return notInitialized;
        Object* object = list.Lookup(handle);
        if (!object) return unregistered;
        return body(*object);
    });
}

}  // namespace halvora
