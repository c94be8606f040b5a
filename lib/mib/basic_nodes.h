// Nodes without values: the reserved family and empty entries (base behaviour), the closed
// notification arc, and the chipset-private table that no back-end uses.
#pragma once

#include "lib/mib/mib_id.h"
#include "lib/mib/mib_node.h"

namespace halvora {

// Base behaviour: Get and Set -1, Apply and Refresh 3, the walks 0.
class EmptyNode : public MibNode {
public:
    explicit EmptyNode(int shift) : shift_(shift) {}
    int GetShift() const override { return shift_; }

private:
    int shift_;
};

// Owns its identifiers but answers none: every operation 3, the walks 0.
class ClosedNode : public EmptyNode {
public:
    using EmptyNode::EmptyNode;
    Status Get(MibId, void*, int32_t, uint32_t*, uint32_t*) override { return APS_INVALID; }
    Status Set(MibId, const void*, int32_t, uint32_t*, uint32_t*) override {
        return APS_INVALID;
    }
};

// A table arc with no values: Get and Set -1; Apply and Refresh 3 for the identifiers of its
// entry, 0 for the rest of the arc.
class VacantTableNode : public MibNode {
public:
    explicit VacantTableNode(MibId prefix) : prefix_(prefix) {}
    int GetShift() const override { return kShiftTable; }
    Status Apply(MibId id) override { return Answer(id); }
    Status Refresh(MibId id) override { return Answer(id); }

private:
    Status Answer(MibId id) const {
        return RoutingPrefix(id, kShiftTable) == prefix_ ? APS_INVALID : APS_OK;
    }

    MibId prefix_;
};

}  // namespace halvora
