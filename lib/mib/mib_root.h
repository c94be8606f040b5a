// Creation of a MIB: the whole node tree in one object, bound to an adapter instance it owns.
#pragma once

#include "lib/adapter/adapter_instance.h"
#include "lib/mib/mib_node.h"

#include <memory>

namespace halvora {

// Builds the tree, binds it (every cached value is read from the adapter) and takes the instance
// over. Throws std::bad_alloc when memory runs out; the instance is then destroyed.
std::unique_ptr<MibNode> CreateBoundMib(std::unique_ptr<AdapterInstance> instance);

}  // namespace halvora
