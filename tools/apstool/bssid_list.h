// The BSSID list a driver answers to a site survey (NDIS_802_11_BSSID_LIST): a count, then
// records that each start with their own Length. The list is data from outside: the walk follows
// the Length fields and never reads past the bytes the driver wrote.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace apstool {

struct BssEntry {
    std::string ssid;  // the SSID's bytes, at most 32
    uint8_t bssid[6] = {};
    uint32_t privacy = 0;
    int32_t rssi = 0;  // dBm
    uint32_t networkType = 0;
    uint32_t frequencyKhz = 0;  // the configuration's DSConfig
    uint32_t infrastructure = 0;  // 0 ad hoc, 1 infrastructure, 2 automatic
};

struct BssidList {
    uint32_t declared = 0;  // NumberOfItems
    std::vector<BssEntry> entries;
    std::string problem;  // why the walk stopped early; empty when every record was read
};

// Every record is at least the fixed part of NDIS_WLAN_BSSID up to its infrastructure mode.
inline constexpr uint32_t kMinBssRecord = 96;

BssidList ParseBssidList(const uint8_t* data, size_t size);

// Channel number of a frequency in kHz (2.4 and 5 GHz bands), 0 when it is none.
int ChannelOf(uint32_t frequencyKhz);

}  // namespace apstool
