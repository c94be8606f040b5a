// scan: a site survey through the survey leaves, printed as a table of networks.
#include "tools/apstool/bssid_list.h"
#include "tools/apstool/commands.h"
#include "tools/apstool/requests.h"
#include "tools/apstool/session.h"
#include "tools/apstool/text_table.h"

#include <chrono>
#include <cstdio>
#include <ostream>
#include <thread>

namespace apstool {

namespace {

constexpr uint32_t kDefaultWaitMs = 2000;
constexpr uint32_t kMaxWaitMs = 60000;
constexpr int32_t kFirstListLength = 4096;

std::string SsidCell(const std::string& ssid) {
    if (ssid.empty()) return "(hidden)";
    for (unsigned char c : ssid)
        if (c < 0x20 || c > 0x7E)
            return HexText(reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size());
    return ssid;
}

std::string ChannelCell(uint32_t khz) {
    int channel = ChannelOf(khz);
    std::string mhz = std::to_string(khz / 1000) + " MHz";
    return channel ? std::to_string(channel) + " (" + mhz + ")" : mhz;
}

// Five steps from -90 dBm (none) to -50 dBm and stronger (all).
std::string SignalCell(int32_t rssi) {
    int bars = rssi >= -50 ? 5 : rssi <= -100 ? 0 : (rssi + 100) / 10;
    return std::to_string(rssi) + " dBm " + std::string(bars, '#') + std::string(5 - bars, '.');
}

std::string ModeCell(uint32_t infrastructure) {
    switch (infrastructure) {
    case 0: return "ad hoc";
    case 1: return "infrastructure";
    case 2: return "automatic";
    }
    return std::to_string(infrastructure);
}

}  // namespace

int RunScan(Context& ctx, const Args& args) {
    uint32_t waitMs = kDefaultWaitMs;
    if (const std::string* wait = args.Last("--wait"))
        if (!ParseUint32(*wait, waitMs) || waitMs > kMaxWaitMs)
            return ctx.BadInput("scan: --wait '" + *wait + "' is not a number of milliseconds (at most " +
                                std::to_string(kMaxWaitMs) + ")");
    Target scan, list;
    ParseTarget("surveyScan", scan);
    ParseTarget("surveyBssidList", list);

    Mib mib;
    int code = kOk;
    if (!mib.Open(ctx, args.positional.empty() ? "" : args.positional[0], code)) return code;

    // The scan request carries no data; four zero bytes go with it.
    Answer request = Write(mib.handle(), scan, ValueBytes{false, {0, 0, 0, 0}});
    if (request.status != APS_OK)
        ctx.err() << "apstool: scan: the scan request failed: " << Describe(request)
                  << "; reading the list the adapter has\n";
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));

    Answer answer = Read(mib.handle(), list, kFirstListLength, {}, true);
    if (answer.status != APS_OK)
        return ctx.Failed("scan: the BSSID list could not be read: " + Describe(answer));

    BssidList networks = ParseBssidList(answer.bytes.data(), answer.bytes.size());
    TextTable table({"SSID", "BSSID", "CHANNEL", "SIGNAL", "PRIVACY", "MODE"});
    for (const BssEntry& e : networks.entries) {
        char bssid[18];
        std::snprintf(bssid, sizeof bssid, "%02x:%02x:%02x:%02x:%02x:%02x", e.bssid[0],
                      e.bssid[1], e.bssid[2], e.bssid[3], e.bssid[4], e.bssid[5]);
        table.Add({SsidCell(e.ssid), bssid, ChannelCell(e.frequencyKhz), SignalCell(e.rssi),
                   e.privacy ? "on" : "off", ModeCell(e.infrastructure)});
    }
    if (table.empty())
        ctx.out() << "no network found\n";
    else
        table.PrintAligned(ctx.out());
    if (!networks.problem.empty())
        return ctx.Failed("scan: the BSSID list is malformed: " + networks.problem + "; " +
                          std::to_string(networks.entries.size()) + " of " +
                          std::to_string(networks.declared) + " networks shown");
    return kOk;
}

}  // namespace apstool
