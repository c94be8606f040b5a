// What a registry scan finds: adapters (devices), their drivers, and the network connections that
// lead to them. A text that is missing or not text reads "N/A".
//
// The From... builders never answer null: they answer a record whose `valid` flag tells whether
// its checks passed; the caller keeps only valid ones. They, and the scan, throw std::bad_alloc
// when memory runs out.
#pragma once

#include "lib/discovery/windows_family.h"

#include <memory>
#include <string>
#include <vector>

namespace halvora {

// The text that stands for a value that is missing or not text.
inline constexpr const char* kNotAvailable = "N/A";

struct DriverRecord {
    bool valid = false;
    std::string instanceId;  // the name callers open the adapter by

    static std::unique_ptr<DriverRecord> FromDriverKey(const std::string& path, WindowsFamily f);
};

struct AdapterRecord {
    bool valid = false;
    std::string deviceKeyPath;
    std::string description;
    std::string driver;
    std::string manufacturer;
    std::string service;
    std::unique_ptr<DriverRecord> driverRecord;  // present only when valid

    static std::unique_ptr<AdapterRecord> FromDeviceKey(const std::string& path, WindowsFamily f);
};

struct ConnectionRecord {
    bool valid = false;
    std::string connectionKeyPath;
    std::string pnpInstanceId;
    std::unique_ptr<AdapterRecord> adapter;  // present only when valid

    static std::unique_ptr<ConnectionRecord> FromConnectionKey(const std::string& path,
                                                               WindowsFamily f);
};

struct InterfaceEntry {
    bool valid = false;
    std::unique_ptr<AdapterRecord> adapter;
    std::unique_ptr<ConnectionRecord> connection;

    // The connection's adapter record when there is a connection, else the entry's own; null
    // when the entry holds neither.
    const AdapterRecord* Adapter() const;
};

using AdapterCollection = std::vector<std::unique_ptr<InterfaceEntry>>;

// Scans the part of the registry where the running Windows keeps its network adapters, in the
// order the registry enumerates them. Only entries with a valid record are collected; one
// device can appear more than once.
AdapterCollection ScanAdapters();
AdapterCollection ScanAdapters(WindowsFamily family);

}  // namespace halvora
