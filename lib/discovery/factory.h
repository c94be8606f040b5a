// Chipset identification: which adapter class serves an adapter, decided from its bus type, its
// driver service name or its PCI ids, and the creation of that object.
#pragma once

#include "lib/adapter/nioc.h"
#include "lib/discovery/records.h"

#include <memory>
#include <string>
#include <string_view>

namespace halvora {

class Nds80211;

// The class name that identification picks ("AR5212", "RT2573", ... or "Nds80211"), reading the
// bus type and device ids from the driver key the way `family` keeps them. Never fails: missing
// values lead to "Nds80211".
std::string_view IdentifyChipset(const AdapterRecord& record, const std::string& driverKeyPath,
                                 WindowsFamily family);

// Creates the class identified for the running Windows, holding `handle` and the driver key
// path; null when memory runs out.
std::unique_ptr<Nds80211> CreateAdapter(const AdapterRecord& record,
                                        const std::string& driverKeyPath, NIOC_HANDLE handle);

}  // namespace halvora
