// The MIB root: the whole node tree in one object, bound to an adapter instance that it owns.
#pragma once

#include "lib/adapter/adapter_instance.h"
#include "lib/mib/basic_nodes.h"
#include "lib/mib/mac_res.h"
#include "lib/mib/mib_group.h"
#include "lib/mib/mib_node.h"
#include "lib/mib/phy.h"
#include "lib/mib/private_family.h"
#include "lib/mib/smt.h"

#include <memory>

namespace halvora {

inline constexpr MibId kStandardChildren[] = {0x50000000u, 0x4C000000u, 0x48000000u, 0x44000000u};
inline constexpr MibId kStandardOrder[] = {0x44000000u, 0x48000000u, 0x4C000000u, 0x50000000u};
inline constexpr GroupDef kStandardGroup{kShiftFamily, kStandardChildren, kStandardOrder,
                                         kStandardOrder};

class StandardFamily : public MibGroup {
public:
    StandardFamily();

private:
    PhyBranch phy_;
    ResBranch res_;
    MacBranch mac_;
    SmtBranch smt_;
};

inline constexpr MibId kRootChildren[] = {kPrivateFamily, kReservedFamily, kStandardFamily};
inline constexpr MibId kRootWalk[] = {kPrivateFamily, kStandardFamily, kReservedFamily};
inline constexpr GroupDef kRootGroup{kShiftRoot, kRootChildren, kRootChildren, kRootWalk};

class MibRoot : public MibGroup {
public:
    // The root owns the instance from here on (it may be null: nothing is bound then).
    explicit MibRoot(std::unique_ptr<AdapterInstance> instance);
    ~MibRoot() override;

    // Binds the tree to the owned instance: every leaf table reads what it caches.
    Status BindOwned() { return Bind(owned_.get()); }
    Status Bind(AdapterInstance* instance) override;

private:
    std::unique_ptr<AdapterInstance> owned_;
    PrivateFamily private_;
    EmptyNode reserved_{kShiftFamily};
    StandardFamily standard_;
};

// Builds the tree, binds it (every cached value is read from the adapter) and takes the instance
// over. Throws std::bad_alloc when memory runs out; the instance is then destroyed.
std::unique_ptr<MibNode> CreateBoundMib(std::unique_ptr<AdapterInstance> instance);

}  // namespace halvora
