// TableNode: a node with exactly one child (a leaf table, an entry or a branch's only table).
// Get and Set reach the child when the identifier matches its prefix; the apply side and the
// refresh side each pass the child's answers through, mask them, or are closed.
#pragma once

#include "lib/mib/mib_id.h"
#include "lib/mib/mib_node.h"

namespace halvora {

enum class Side : uint8_t {
    Through,  // unmatched identifiers run the child's walk; its result is returned
    Masked,   // as Through, but a walk's result passes only if it is 1 or 4 (else 0)
    Closed,   // Apply/Refresh 3, the walk 0, the child is not asked
};

struct TableNodeDef {
    int shift;
    MibId child;  // the child's prefix at this node's shift
    Side apply;
    Side refresh;
};

// The node above a leaf table: it decides on levels 1 to 4 (the table's entry).
constexpr TableNodeDef TableOf(MibId entry, Side apply, Side refresh) {
    return {kShiftTable, entry, apply, refresh};
}

class TableNode : public MibNode {
public:
    TableNode(const TableNodeDef& def, MibNode& child) : def_(def), child_(child) {}

    int GetShift() const override { return def_.shift; }
    Status Bind(AdapterInstance* instance) override { return child_.Bind(instance); }
    Status Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Set(MibId id, const void* buffer, int32_t length, uint32_t* needed,
               uint32_t* written) override;
    Status Apply(MibId id) override;
    Status ApplyAll() override;
    Status Refresh(MibId id) override;
    Status RefreshAll() override;

protected:
    bool Matches(MibId id) const;
    MibNode& Child() { return child_; }

private:
    Status WalkChild(Side side, Status (MibNode::*walk)());

    const TableNodeDef def_;
    MibNode& child_;
};

// A table node that holds its child as a member.
template <typename Node>
class TableNodeOf : public TableNode {
public:
    template <typename... Args>
    explicit TableNodeOf(const TableNodeDef& def, Args&&... args)
        : TableNode(def, node_), node_(static_cast<Args&&>(args)...) {}

    Node& Inner() { return node_; }

private:
    Node node_;
};

}  // namespace halvora
