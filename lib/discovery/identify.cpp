// Identification: the bus type decides between the service table and the PCI id table.
#include "lib/discovery/chipset_tables.h"
#include "lib/discovery/factory.h"
#include "lib/discovery/text.h"
#include "lib/store/reg_access.h"

#include <cstdio>

namespace halvora {

namespace {

constexpr std::string_view kPciBus = "5";

std::string_view ByService(std::string_view service) {
    for (const IdentificationRow& row : kServiceRows)
        for (std::string_view name : row.keys)
            if (!name.empty() && EqualsIgnoringCase(name, service)) return row.className;
    return kGenericClass;
}

std::string_view ByPciId(const std::string& deviceId) {
    for (const IdentificationRow& row : kPciRows)
        for (std::string_view id : row.keys)
            if (!id.empty() && deviceId.find(id) != std::string::npos) return row.className;
    return kGenericClass;
}

// NT 4 keeps the bus type as a number, the later families as text; anything else is no bus type.
std::string BusType(const RegAccess& reg, const std::string& driverKeyPath, WindowsFamily family) {
    std::string text;
    if (family == WindowsFamily::NT4) {
        uint32_t number = 0;
        if (reg.ReadNumber(driverKeyPath, "BusType", number)) text = std::to_string(number);
    } else {
        reg.ReadText(driverKeyPath, "BusType", text);
    }
    return text;
}

// NT 4 drivers keep the PCI ids as numbers; without both of them there is no id to match.
std::string DeviceId(const RegAccess& reg, const AdapterRecord& record,
                     const std::string& driverKeyPath, WindowsFamily family) {
    if (family != WindowsFamily::NT4) {
        std::string text;
        reg.ReadText(driverKeyPath, "MatchingDeviceId", text);
        return AsciiUpperCase(std::move(text));
    }
    if (std::string_view(record.driver).starts_with(kNt4PrismPrefix))
        return std::string(kNt4PrismDeviceId);
    uint32_t device = 0, vendor = 0;
    if (!reg.ReadNumber(driverKeyPath, "ZELDeviceID", device) ||
        !reg.ReadNumber(driverKeyPath, "ZELVendorID", vendor))
        return std::string();
    char text[40];
    std::snprintf(text, sizeof text, "VEN_%04X&DEV_%04X", unsigned(vendor), unsigned(device));
    return text;
}

}  // namespace

std::string_view IdentifyChipset(const AdapterRecord& record, const std::string& driverKeyPath,
                                 WindowsFamily family) {
    RegAccess reg;
    std::string_view service = record.valid ? std::string_view(record.service) : std::string_view();
    if (BusType(reg, driverKeyPath, family) != kPciBus) return ByService(service);
    std::string deviceId = DeviceId(reg, record, driverKeyPath, family);
    if (std::string_view(deviceId).starts_with(kPcmciaPrefix))
        return EqualsIgnoringCase(service, kPcmciaService) ? kPcmciaClass : kGenericClass;
    return ByPciId(deviceId);
}

}  // namespace halvora
