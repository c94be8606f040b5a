// Placeholder until the MIB lands.
#include "lib/mib/mib_root.h"

namespace halvora {

std::unique_ptr<MibNode> CreateBoundMib(std::unique_ptr<AdapterInstance>) { return nullptr; }

}  // namespace halvora
