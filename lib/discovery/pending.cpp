// Placeholder until discovery lands: no adapters are ever found.
#include "lib/discovery/factory.h"
#include "lib/discovery/interface_list.h"

namespace halvora {

InterfaceList::InterfaceList(const InterfaceFilter*, int32_t) {}
InterfaceList::~InterfaceList() = default;
int32_t InterfaceList::Count() const { return 0; }
const char* InterfaceList::InstanceName(int32_t) const { return nullptr; }
const char* InterfaceList::FriendlyName(int32_t) const { return nullptr; }
const char* InterfaceList::Manufacturer(int32_t) const { return nullptr; }
const char* InterfaceList::Service(int32_t) const { return nullptr; }

}  // namespace halvora
