#include "lib/discovery/interface_list.h"

#include "lib/discovery/text.h"

namespace halvora {

namespace {

// Each non-empty text of a filter must equal the record's, in any letter case.
bool TextPasses(const std::string& wanted, const std::string& actual) {
    return wanted.empty() || EqualsIgnoringCase(wanted, actual);
}

}  // namespace

InterfaceList::InterfaceList(const InterfaceFilter* criteria, int32_t count) {
    if (criteria && count > 0) {
        for (int32_t i = 0; i < count; ++i) {
            const InterfaceFilter& f = criteria[i];
            filters_.push_back({f.manufacturer ? f.manufacturer : "",
                                f.description ? f.description : "", f.service ? f.service : ""});
        }
    }
    WindowsFamily family = CurrentWindowsFamily();
    AdapterCollection collection = ScanAdapters(family);
    for (const auto& collected : collection) {
        // Read afresh: the collected record may be a connection's, the list keeps its own.
        const AdapterRecord* found = collected->Adapter();
        if (!found) continue;
        auto entry = std::make_unique<InterfaceEntry>();
        entry->adapter = AdapterRecord::FromDeviceKey(found->deviceKeyPath, family);
        entry->valid = entry->adapter->valid;
        if (entry->valid && Matches(*entry) &&
            IndexOf(entry->adapter->driverRecord->instanceId) == -1)
            entries_.push_back(std::move(entry));
    }
}

InterfaceList::~InterfaceList() = default;

int32_t InterfaceList::Count() const { return static_cast<int32_t>(entries_.size()); }

const AdapterRecord* InterfaceList::RecordAt(int32_t i) const {
    if (i < 0 || i >= Count()) return nullptr;
    const AdapterRecord* record = entries_[static_cast<size_t>(i)]->Adapter();
    return record && record->valid ? record : nullptr;
}

const char* InterfaceList::InstanceName(int32_t i) const {
    const AdapterRecord* record = RecordAt(i);
    if (!record || !record->driverRecord || !record->driverRecord->valid) return nullptr;
    return record->driverRecord->instanceId.c_str();
}

const char* InterfaceList::FriendlyName(int32_t i) const {
    const AdapterRecord* record = RecordAt(i);
    return record ? record->description.c_str() : nullptr;
}

const char* InterfaceList::Manufacturer(int32_t i) const {
    const AdapterRecord* record = RecordAt(i);
    return record ? record->manufacturer.c_str() : nullptr;
}

const char* InterfaceList::Service(int32_t i) const {
    const AdapterRecord* record = RecordAt(i);
    return record ? record->service.c_str() : nullptr;
}

bool InterfaceList::Matches(const InterfaceEntry& entry) const {
    if (filters_.empty()) return true;
    const AdapterRecord* record = entry.Adapter();
    if (!record) return false;
    for (const Filter& f : filters_)
        if (TextPasses(f.manufacturer, record->manufacturer) &&
            TextPasses(f.description, record->description) &&
            TextPasses(f.service, record->service))
            return true;
    return false;
}

int32_t InterfaceList::IndexOf(const std::string& instanceName) const {
    for (int32_t i = 0; i < Count(); ++i) {
        const char* name = InstanceName(i);
        if (name && instanceName == name) return i;
    }
    return -1;
}

}  // namespace halvora
