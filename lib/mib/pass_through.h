// The pass-through forms: columns whose every Get or Set goes to the adapter, with the buffer
// checks and counters each form makes. Each returns 4 first when there is no adapter instance.
#pragma once

#include "lib/mib/catalogue.h"
#include "lib/mib/value_io.h"

namespace halvora {

class AdapterInstance;

Status GetPassThrough(const Leaf& leaf, AdapterInstance* instance, const GetIo& io);
Status SetPassThrough(const Leaf& leaf, AdapterInstance* instance, const SetIo& io);

}  // namespace halvora
