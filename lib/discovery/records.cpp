// Adapter, driver and connection records, each built from one registry key.
#include "lib/discovery/records.h"

#include "lib/store/reg_access.h"

#include <string_view>

namespace halvora {

namespace {

// One text of a device key and the record field it fills.
struct DeviceText {
    const char* name;
    std::string AdapterRecord::*field;
};

// What each family keeps in a device key and below which tree its driver keys live.
struct DeviceLayout {
    DeviceText texts[4];
    int textCount;
    const char* driverTree;
};

constexpr DeviceLayout kNt4Layout = {{{"Description", &AdapterRecord::description},
                                      {"ServiceName", &AdapterRecord::driver},
                                      {"Manufacturer", &AdapterRecord::manufacturer},
                                      {"ProductName", &AdapterRecord::service}},
                                     4,
                                     "SYSTEM\\CurrentControlSet\\Services\\"};
constexpr DeviceLayout kNt5Layout = {{{"DeviceDesc", &AdapterRecord::description},
                                      {"Driver", &AdapterRecord::driver},
                                      {"Mfg", &AdapterRecord::manufacturer},
                                      {"Service", &AdapterRecord::service}},
                                     4,
                                     "SYSTEM\\CurrentControlSet\\Control\\Class\\"};
constexpr DeviceLayout kNt6Layout = {{{"DeviceDesc", &AdapterRecord::description},
                                      {"Mfg", &AdapterRecord::manufacturer},
                                      {"Driver", &AdapterRecord::driver},
                                      {"Service", &AdapterRecord::service}},
                                     4,
                                     "SYSTEM\\CurrentControlSet\\Control\\Class\\"};
constexpr DeviceLayout k9xLayout = {{{"DeviceDesc", &AdapterRecord::description},
                                     {"Driver", &AdapterRecord::driver},
                                     {"Mfg", &AdapterRecord::manufacturer}},
                                    3,
                                    "SYSTEM\\CurrentControlSet\\Services\\Class\\"};

const DeviceLayout& LayoutOf(WindowsFamily f) {
    switch (f) {
        case WindowsFamily::NT4: return kNt4Layout;
        case WindowsFamily::NT5: return kNt5Layout;
        case WindowsFamily::NT6: return kNt6Layout;
        case WindowsFamily::Win9x: break;
    }
    return k9xLayout;
}

std::string TextOrNotAvailable(const RegAccess& reg, const std::string& path, const char* name) {
    std::string text;
    if (!reg.ReadText(path, name, text)) return kNotAvailable;
    return text;
}

// NT 6 keeps some texts as "@file.inf,%key%;Plain text": the plain text is what follows the last
// semicolon, unless nothing follows it.
void KeepPlainText(std::string& text) {
    size_t semicolon = text.rfind(';');
    if (semicolon != std::string::npos && semicolon + 1 < text.size())
        text.erase(0, semicolon + 1);
}

}  // namespace

std::unique_ptr<DriverRecord> DriverRecord::FromDriverKey(const std::string& path,
                                                          WindowsFamily f) {
    auto record = std::make_unique<DriverRecord>();
    RegAccess reg;
    if (!reg.KeyHasContent(path)) return record;
    switch (f) {
        case WindowsFamily::NT5:
        case WindowsFamily::NT6:
            record->instanceId = TextOrNotAvailable(reg, path, "NetCfgInstanceId");
            record->valid = true;
            break;
        case WindowsFamily::NT4:
            // An NT 4 card's service is its driver's service with a digit appended; both must
            // be installed.
            record->instanceId = path.substr(path.rfind('\\') + 1);
            record->valid = !path.empty() && reg.KeyHasContent(path.substr(0, path.size() - 1));
            break;
        case WindowsFamily::Win9x:
            record->instanceId = path.size() > 4 ? path.substr(path.size() - 4) : path;
            record->valid = true;
            break;
    }
    return record;
}

std::unique_ptr<AdapterRecord> AdapterRecord::FromDeviceKey(const std::string& path,
                                                            WindowsFamily f) {
    auto record = std::make_unique<AdapterRecord>();
    record->deviceKeyPath = path;
    record->description = record->driver = record->manufacturer = record->service =
        kNotAvailable;
    RegAccess reg;
    // No path would name HKEY_LOCAL_MACHINE itself.
    if (path.empty() || !reg.KeyHasContent(path)) return record;

    const DeviceLayout& layout = LayoutOf(f);
    for (int i = 0; i < layout.textCount; ++i)
        (*record).*(layout.texts[i].field) = TextOrNotAvailable(reg, path, layout.texts[i].name);
    if (f == WindowsFamily::NT6) {
        KeepPlainText(record->description);
        KeepPlainText(record->manufacturer);
    }

    // An empty driver text would name the whole driver tree as this device's driver key.
    if (record->driver.empty()) return record;
    std::string driverPath = layout.driverTree + record->driver;
    auto driver = DriverRecord::FromDriverKey(driverPath, f);
    if (!driver->valid) return record;
    if (f == WindowsFamily::Win9x)
        record->service = TextOrNotAvailable(reg, driverPath + "\\NDIS", "LogDriverName");
    record->driverRecord = std::move(driver);
    record->valid = true;
    return record;
}

std::unique_ptr<ConnectionRecord> ConnectionRecord::FromConnectionKey(const std::string& path,
                                                                      WindowsFamily f) {
    auto record = std::make_unique<ConnectionRecord>();
    record->connectionKeyPath = path;
    record->pnpInstanceId = kNotAvailable;
    RegAccess reg;
    if (!reg.KeyHasContent(path)) return record;
    record->pnpInstanceId = TextOrNotAvailable(reg, path, "PnpInstanceID");
    // An empty id would name the whole device tree.
    if (record->pnpInstanceId.empty()) return record;
    auto adapter =
        AdapterRecord::FromDeviceKey("SYSTEM\\CurrentControlSet\\Enum\\" + record->pnpInstanceId, f);
    if (!adapter->valid) return record;
    record->adapter = std::move(adapter);
    record->valid = true;
    return record;
}

const AdapterRecord* InterfaceEntry::Adapter() const {
    if (connection && connection->adapter) return connection->adapter.get();
    return adapter.get();
}

}  // namespace halvora
