// The base of every node of the MIB tree: the nine operations that routing, the walks and the
// exports use. A node that overrides nothing answers as an empty subtree.
#pragma once

#include "lib/exports/status.h"

namespace halvora {

class AdapterInstance;

class MibNode {
public:
    MibNode() = default;
    MibNode(const MibNode&) = delete;
    MibNode& operator=(const MibNode&) = delete;

    // Number of low identifier bits this node does not decide on (0 to 30).
    virtual int GetShift() const { return 0; }
    // Stores the instance and reads what the node caches.
    virtual Status Bind(AdapterInstance* instance) {
        instance_ = instance;
        return RefreshAll();
    }
    virtual Status Get(MibId, void*, int32_t, uint32_t*, uint32_t*) { return APS_UNAVAILABLE; }
    virtual Status Set(MibId, const void*, int32_t, uint32_t*, uint32_t*) {
        return APS_UNAVAILABLE;
    }
    virtual Status Apply(MibId) { return APS_INVALID; }
    virtual Status ApplyAll() { return APS_OK; }
    virtual Status Refresh(MibId) { return APS_INVALID; }
    virtual Status RefreshAll() { return APS_OK; }
    virtual ~MibNode() = default;

protected:
    AdapterInstance* instance_ = nullptr;
};

}  // namespace halvora
