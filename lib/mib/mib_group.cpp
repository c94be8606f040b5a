#include "lib/mib/mib_group.h"

#include "lib/mib/mib_id.h"

namespace halvora {

MibGroup::MibGroup(const GroupDef& def, std::initializer_list<MibNode*> children) : def_(def) {
    for (MibNode* child : children) {
        if (count_ == kMaxChildren || count_ == static_cast<int>(def.children.size())) break;
        children_[count_] = {def.children[static_cast<size_t>(count_)], child};
        ++count_;
    }
}

MibNode* MibGroup::Route(MibId id) const { return ChildAt(RoutingPrefix(id, GetShift())); }

MibNode* MibGroup::ChildAt(MibId prefix) const {
    for (int i = 0; i < count_; ++i)
        if (children_[i].prefix == prefix) return children_[i].node;
    return nullptr;
}

template <typename Step>
Status MibGroup::WalkChildren(const Walk& walk, Step step) const {
    const std::span<const MibId> order = def_.walkOrder;
    return RunWalk(walk, static_cast<int>(order.size()), [&](int i) {
        MibNode* child = ChildAt(order[i]);
        return child ? step(*child) : APS_OK;
    });
}

Status MibGroup::Bind(AdapterInstance* instance) {
    Status last = APS_OK;
    for (MibId prefix : def_.bindOrder)
        if (MibNode* child = ChildAt(prefix)) last = child->Bind(instance);
    return last;
}

Status MibGroup::Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
                     uint32_t* written) {
    MibNode* child = Route(id);
    return child ? child->Get(id, buffer, length, needed, written) : APS_INVALID;
}

Status MibGroup::Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                     uint32_t* written) {
    MibNode* child = Route(id);
    return child ? child->Set(id, buffer, length, needed, written) : APS_INVALID;
}

Status MibGroup::Apply(MibId id) {
    MibNode* child = Route(id);
    return child ? child->Apply(id) : ApplyAll();
}

Status MibGroup::ApplyAll() {
    return WalkChildren(def_.apply, [](MibNode& child) { return child.ApplyAll(); });
}

Status MibGroup::Refresh(MibId id) {
    MibNode* child = Route(id);
    return child ? child->Refresh(id) : RefreshAll();
}

Status MibGroup::RefreshAll() {
    return WalkChildren(def_.refresh, [](MibNode& child) { return child.RefreshAll(); });
}

}  // namespace halvora
