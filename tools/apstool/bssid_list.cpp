#include "tools/apstool/bssid_list.h"

#include <cstring>

namespace apstool {

namespace {

// Offsets within one NDIS_WLAN_BSSID record.
constexpr size_t kLength = 0, kMac = 4, kSsidLength = 12, kSsid = 16, kPrivacy = 48, kRssi = 52,
                 kNetworkType = 56, kDsConfig = 72, kInfrastructure = 92;

uint32_t Le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::string RecordProblem(uint32_t index, const std::string& what) {
    return "record " + std::to_string(index + 1) + " " + what;
}

}  // namespace

BssidList ParseBssidList(const uint8_t* data, size_t size) {
    BssidList list;
    if (!data || size < 4) {
        list.problem = "the list is shorter than its count field (" + std::to_string(size) +
                       " bytes)";
        return list;
    }
    list.declared = Le32(data);
    size_t offset = 4;
    for (uint32_t i = 0; i < list.declared; ++i) {
        const size_t left = size - offset;
        if (left < 4) {
            list.problem = "the list counts " + std::to_string(list.declared) +
                           " records but its " + std::to_string(size) + " bytes hold " +
                           std::to_string(i);
            return list;
        }
        const uint8_t* r = data + offset;
        const uint32_t length = Le32(r + kLength);
        if (length == 0) {
            list.problem = RecordProblem(i, "has Length 0");
            return list;
        }
        if (length > left) {
            list.problem = RecordProblem(i, "has Length " + std::to_string(length) + ", past the " +
                                                std::to_string(left) + " bytes left");
            return list;
        }
        if (length < kMinBssRecord) {
            list.problem = RecordProblem(i, "has Length " + std::to_string(length) +
                                                ", too short for its fields (" +
                                                std::to_string(kMinBssRecord) + ")");
            return list;
        }
        BssEntry e;
        std::memcpy(e.bssid, r + kMac, 6);
        uint32_t ssidLength = Le32(r + kSsidLength);
        if (ssidLength > 32) ssidLength = 32;
        e.ssid.assign(reinterpret_cast<const char*>(r + kSsid), ssidLength);
        e.privacy = Le32(r + kPrivacy);
        e.rssi = static_cast<int32_t>(Le32(r + kRssi));
        e.networkType = Le32(r + kNetworkType);
        e.frequencyKhz = Le32(r + kDsConfig);
        e.infrastructure = Le32(r + kInfrastructure);
        list.entries.push_back(std::move(e));
        offset += length;
    }
    return list;
}

int ChannelOf(uint32_t khz) {
    if (khz == 2484000) return 14;
    if (khz >= 2412000 && khz <= 2472000 && (khz - 2407000) % 5000 == 0)
        return static_cast<int>((khz - 2407000) / 5000);
    if (khz >= 5005000 && khz <= 5900000 && (khz - 5000000) % 5000 == 0)
        return static_cast<int>((khz - 5000000) / 5000);
    return 0;
}

}  // namespace apstool
