#include "tests/adapter/sim.h"

#include "lib/discovery/windows_family.h"

#include <cstdio>

namespace adapter_test {

namespace {

const std::string kSim = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim";
const std::string kClass = "{4D36E972-E325-11CE-BFC1-08002BE10318}";

}  // namespace

std::string Driver(const std::string& oids, const std::string& adapterValues,
                   const std::string& libraryValues) {
    const std::string adapter = kSim + "\\Adapters\\" + kName;
    return kSim + "]\n" + libraryValues + "\n" + adapter + "]\n" + adapterValues + "\n" +
           adapter + "\\Oids]\n" + oids + "\n";
}

std::string NtMachine(const std::string& oids, const std::string& adapterValues,
                      const std::string& libraryValues) {
    const std::string device = "PCI\\VEN_1AB3&DEV_0C07\\4&2F1E0A3B&0&00E0";
    return "REGEDIT4\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\n"
           "\"CurrentVersion\"=\"6.1\"\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Network\\" + kClass + "\\" +
           kName + "\\Connection]\n"
           "\"Name\"=\"Wireless Network Connection\"\n"
           "\"PnpInstanceID\"=\"PCI\\\\VEN_1AB3&DEV_0C07\\\\4&2F1E0A3B&0&00E0\"\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\" + device + "]\n"
           "\"DeviceDesc\"=\"Test 802.11g Adapter\"\n"
           "\"Mfg\"=\"Test Radio Works\"\n"
           "\"Driver\"=\"" + kClass + "\\\\0042\"\n"
           "\"Service\"=\"tstw\"\n"
           "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\" + kClass +
           "\\0042]\n"
           "\"NetCfgInstanceId\"=\"" + kName + "\"\n" +
           Driver(oids, adapterValues, libraryValues);
}

std::vector<std::string> Trace() {
    std::vector<std::string> lines = testing_support::TakeTrace();
    const std::string name = std::string(" ") + kName;
    for (std::string& line : lines)
        if (size_t at = line.find(name); at != std::string::npos) line.erase(at, name.size());
    return lines;
}

std::string Query(const char* oid, uint32_t length, const std::string& data) {
    const std::string n = std::to_string(data.size() / 2);
    return std::string("query ") + oid + " len=" + std::to_string(length) +
           " -> 00000000 written=" + n + " needed=" + n + " data=" + (data.empty() ? "-" : data);
}

std::string Query(const char* oid, const std::string& data) {
    return Query(oid, static_cast<uint32_t>(data.size() / 2), data);
}

std::string Set(const char* oid, const std::string& data) {
    const std::string n = std::to_string(data.size() / 2);
    return std::string("set ") + oid + " len=" + n + " data=" + (data.empty() ? "-" : data) +
           " -> 00000000 read=" + n + " needed=" + n;
}

std::string Le32(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x", value & 0xFF, (value >> 8) & 0xFF,
                  (value >> 16) & 0xFF, value >> 24);
    return text;
}

std::string Dword(const char* oid, uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return std::string("\"") + oid + "\"=dword:" + text + "\n";
}

std::string Hex(const char* oid, const std::string& hex) {
    std::string commas;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        if (i) commas += ',';
        commas += hex.substr(i, 2);
    }
    return std::string("\"") + oid + "\"=hex:" + commas + "\n";
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

bool IsNt5OrLater() {
    const halvora::WindowsFamily f = halvora::CurrentWindowsFamily();
    return f == halvora::WindowsFamily::NT5 || f == halvora::WindowsFamily::NT6;
}

bool NtMachineTest::LoadNt(const std::string& oids, const std::string& adapterValues,
                           const std::string& libraryValues) {
    LoadMachine(NtMachine(oids, adapterValues, libraryValues));
    Trace();
    return IsNt5OrLater();
}

void Nds80211Test::Open(const std::string& oids, const std::string& adapterValues) {
    LoadMachine("REGEDIT4\n" + Driver(oids, adapterValues));
    handle_ = NIOC_OpenInstance(kName);
    ASSERT_NE(handle_, 0u);
    adapter_ = std::make_unique<halvora::Nds80211>(handle_);
    Trace();
}

void Nds80211Test::Answer(const std::string& oids, const std::string& adapterValues) {
    LoadMachine("REGEDIT4\n" + Driver(oids, adapterValues));
    Trace();
}

void Nds80211Test::TearDown() {
    adapter_.reset();
    if (handle_) NIOC_CloseInstance(handle_);
    StandInTest::TearDown();
}

}  // namespace adapter_test
