// InterfaceList: the object behind an apsSearchInterface handle, a snapshot of the adapters found,
// narrowed by the caller's filters, with no instance name listed twice.
#pragma once

#include "include/halvora.h"
#include "lib/discovery/records.h"

#include <memory>
#include <string>
#include <vector>

namespace halvora {

class InterfaceList {
public:
    // Scans the registry once. criteria may be null; a count of 0 or less selects every
    // adapter. Throws std::bad_alloc when memory runs out.
    InterfaceList(const InterfaceFilter* criteria, int32_t count);
    InterfaceList(const InterfaceList&) = delete;
    InterfaceList& operator=(const InterfaceList&) = delete;
    virtual ~InterfaceList();

    int32_t Count() const;
    // Texts owned by the list; null outside 0..Count()-1 or when the record holding it is absent.
    const char* InstanceName(int32_t i) const;
    const char* FriendlyName(int32_t i) const;
    const char* Manufacturer(int32_t i) const;
    const char* Service(int32_t i) const;

    bool Matches(const InterfaceEntry& entry) const;
    int32_t IndexOf(const std::string& instanceName) const;

private:
    struct Filter {
        std::string manufacturer, description, service;
    };
    const AdapterRecord* RecordAt(int32_t i) const;

    std::vector<Filter> filters_;
    std::vector<std::unique_ptr<InterfaceEntry>> entries_;
};

}  // namespace halvora
