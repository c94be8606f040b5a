#include "lib/mib/table_node.h"

#include "lib/mib/mib_id.h"

namespace halvora {

namespace {

Status Masked(Status status) {
    return status == APS_NOT_READY || status == APS_NOT_BOUND ? status : APS_OK;
}

}  // namespace

bool TableNode::Matches(MibId id) const { return RoutingPrefix(id, GetShift()) == def_.child; }

Status TableNode::Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
                      uint32_t* written) {
    return Matches(id) ? child_.Get(id, buffer, length, needed, written) : APS_INVALID;
}

Status TableNode::Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                      uint32_t* written) {
    return Matches(id) ? child_.Set(id, buffer, length, needed, written) : APS_INVALID;
}

Status TableNode::Apply(MibId id) {
    if (def_.apply == Side::Closed) return APS_INVALID;
    return Matches(id) ? child_.Apply(id) : ApplyAll();
}

Status TableNode::ApplyAll() { return WalkChild(def_.apply, &MibNode::ApplyAll); }

Status TableNode::Refresh(MibId id) {
    if (def_.refresh == Side::Closed) return APS_INVALID;
    return Matches(id) ? child_.Refresh(id) : RefreshAll();
}

Status TableNode::RefreshAll() { return WalkChild(def_.refresh, &MibNode::RefreshAll); }

Status TableNode::WalkChild(Side side, Status (MibNode::*walk)()) {
    switch (side) {
    case Side::Through: return (child_.*walk)();
    case Side::Masked: return Masked((child_.*walk)());
    case Side::Closed: break;
    }
    return APS_OK;
}

}  // namespace halvora
