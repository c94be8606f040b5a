// MibGroup: an inner node that routes an identifier to one of its children by the child's prefix
// and binds and walks its children in orders fixed per group.
#pragma once

#include "lib/mib/mib_node.h"
#include "lib/mib/walk.h"

#include <initializer_list>
#include <span>

namespace halvora {

struct GroupDef {
    int shift;
    std::span<const MibId> children;   // child prefixes, in construction order
    std::span<const MibId> bindOrder;  // child prefixes
    std::span<const MibId> walkOrder;  // child prefixes, for ApplyAll and RefreshAll
    Walk apply = Propagating();
    Walk refresh = Propagating();
};

class MibGroup : public MibNode {
public:
    // The children are members of the derived group, given in the order of def.children.
    MibGroup(const GroupDef& def, std::initializer_list<MibNode*> children);

    int GetShift() const override { return def_.shift; }
    // The result of the last child bound.
    Status Bind(AdapterInstance* instance) override;
    Status Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    // An identifier that selects no child acts on the whole group.
    Status Apply(MibId id) override;
    Status ApplyAll() override;
    Status Refresh(MibId id) override;
    Status RefreshAll() override;

private:
    static constexpr int kMaxChildren = 11;

    MibNode* Route(MibId id) const;
    MibNode* ChildAt(MibId prefix) const;
    template <typename Step>
    Status WalkChildren(const Walk& walk, Step step) const;

    struct Child {
        MibId prefix;
        MibNode* node;
    };

    const GroupDef& def_;
    Child children_[kMaxChildren] = {};
    int count_ = 0;
};

}  // namespace halvora
