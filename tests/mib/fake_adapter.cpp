#include "tests/mib/fake_adapter.h"

#include <cstdio>
#include <cstring>
#include <ostream>

namespace mib_test {

using namespace halvora;

std::string Hex(const void* data, int32_t length) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    for (int32_t i = 0; bytes && i < length; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

std::string Hex32(MibId id) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(id));
    return text;
}

std::vector<std::string> TablesOf(const std::vector<std::string>& calls) {
    std::vector<std::string> tables;
    for (const std::string& call : calls) {
        const size_t space = call.find(' ');
        const std::string operation = call.substr(0, space);
        const std::string next = space == std::string::npos ? "" : call.substr(space + 1, 9);
        const bool hasId = next.size() >= 8 && (next.size() == 8 || next[8] == ' ') &&
                           next.find_first_not_of("0123456789ABCDEF") >= 8;
        const std::string table = hasId ? next.substr(0, 5) : operation;
        if (tables.empty() || tables.back() != table) tables.push_back(table);
    }
    return tables;
}

std::ostream& operator<<(std::ostream& out, const Answer& a) {
    return out << "{status " << a.status << ", needed " << a.needed << ", written " << a.written
               << "}";
}

Status FakeAdapter::Forced(const char* operation, MibId id) const {
    if (everything != APS_OK) return everything;
    auto op = operationStatus.find(operation);
    if (op != operationStatus.end()) return op->second;
    auto it = forced.find(id);
    return it == forced.end() ? APS_OK : it->second;
}

void FakeAdapter::Record(const char* operation, MibId id, const std::string& detail) {
    std::string line = operation;
    if (id) line += " " + Hex32(id);
    if (!detail.empty()) line += " " + detail;
    calls.push_back(line);
}

Status FakeAdapter::GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                             uint32_t* written) {
    Record("GetBlock", id, std::to_string(length));
    if (Status s = Forced("GetBlock", id)) return s;
    auto it = blocks.find(id);
    if (it == blocks.end() && !answerAll) return APS_UNAVAILABLE;
    const std::string block = it != blocks.end() ? it->second : Hex32(id);
    const int32_t size = static_cast<int32_t>(block.size());
    if (!buffer || length < size) {
        *needed = static_cast<uint32_t>(size);
        return APS_BAD_ARGUMENT;
    }
    std::memcpy(buffer, block.data(), block.size());
    *written = static_cast<uint32_t>(size);
    return APS_OK;
}

Status FakeAdapter::GetBytes(MibId id, ByteBuffer& value) {
    Record("GetBytes", id);
    if (Status s = Forced("GetBytes", id)) return s;
    auto it = bytes.find(id);
    if (it != bytes.end()) {
        value.Assign(it->second.data(), static_cast<int32_t>(it->second.size()));
        return APS_OK;
    }
    if (!answerAll) return APS_UNAVAILABLE;
    value.AssignText(Hex32(id).c_str());
    return APS_OK;
}

Status FakeAdapter::GetMac(MibId id, MacAddress mac) {
    Record("GetMac", id);
    if (Status s = Forced("GetMac", id)) return s;
    auto it = macs.find(id);
    if (it != macs.end()) {
        std::memcpy(mac, it->second.data(), 6);
        return APS_OK;
    }
    if (!answerAll) return APS_UNAVAILABLE;
    const uint8_t derived[6] = {0x02, 0, uint8_t(id >> 24), uint8_t(id >> 16), uint8_t(id >> 8),
                                uint8_t(id)};
    std::memcpy(mac, derived, 6);
    return APS_OK;
}

Status FakeAdapter::Number(const char* operation, MibId id, int32_t& value) {
    Record(operation, id);
    if (Status s = Forced(operation, id)) return s;
    auto it = numbers.find(id);
    if (it != numbers.end()) {
        value = it->second;
        return APS_OK;
    }
    if (!answerAll) return APS_UNAVAILABLE;
    value = Derived(id);
    return APS_OK;
}

Status FakeAdapter::GetU32(MibId id, int32_t& value) { return Number("GetU32", id, value); }

Status FakeAdapter::GetCounter(MibId id, uint32_t& value) {
    int32_t number = static_cast<int32_t>(value);
    const Status status = Number("GetCounter", id, number);
    value = static_cast<uint32_t>(number);
    return status;
}

Status FakeAdapter::SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                             uint32_t* read) {
    Record("SetBlock", id, Hex(buffer, length));
    if (Status s = Forced("SetBlock", id)) return s;
    blocks[id].assign(static_cast<const char*>(buffer), static_cast<size_t>(length));
    *read = static_cast<uint32_t>(length);
    return APS_OK;
}

Status FakeAdapter::SetBytes(MibId id, const ByteBuffer& value) {
    Record("SetBytes", id, Hex(value.Data(), value.Length()));
    if (Status s = Forced("SetBytes", id)) return s;
    bytes[id].assign(value.Text(), static_cast<size_t>(value.Length()));
    return APS_OK;
}

Status FakeAdapter::SetMac(MibId id, const MacAddress mac) {
    Record("SetMac", id, Hex(mac, 6));
    if (Status s = Forced("SetMac", id)) return s;
    std::memcpy(macs[id].data(), mac, 6);
    return APS_OK;
}

Status FakeAdapter::SetU32(MibId id, const int32_t& value) {
    Record("SetU32", id, std::to_string(value));
    if (Status s = Forced("SetU32", id)) return s;
    numbers[id] = value;
    return APS_OK;
}

Status FakeAdapter::SetCounter(MibId id, const uint32_t& value) {
    Record("SetCounter", id, std::to_string(value));
    if (Status s = Forced("SetCounter", id)) return s;
    numbers[id] = static_cast<int32_t>(value);
    return APS_OK;
}

Status FakeAdapter::GetTxRates(int32_t rates[kRateCount]) {
    Record("GetTxRates", 0);
    if (Status s = Forced("GetTxRates", 0)) return s;
    std::memcpy(rates, txRates, sizeof txRates);
    return APS_OK;
}

Status FakeAdapter::GetRxRates(int32_t rates[kRateCount]) {
    Record("GetRxRates", 0);
    if (Status s = Forced("GetRxRates", 0)) return s;
    std::memcpy(rates, rxRates, sizeof rxRates);
    return APS_OK;
}

Status FakeAdapter::GetRegDomains(int32_t& count, uint32_t* codes) {
    Record("GetRegDomains", 0, std::to_string(count));
    if (Status s = Forced("GetRegDomains", 0)) return s;
    int32_t n = 0;
    for (uint32_t code : regDomains)
        if (n < count) codes[n++] = code;
    count = regDomainCount >= 0 ? regDomainCount : n;
    return APS_OK;
}

Status FakeAdapter::SetRegDomains(int32_t& rowIndex, const uint32_t* codes) {
    Record("SetRegDomains", 0, std::to_string(rowIndex) + " " + std::to_string(codes[0]));
    return Forced("SetRegDomains", 0);
}

Status FakeAdapter::GetAuthMode(AuthFlags& flags) {
    Record("GetAuthMode", 0);
    if (Status s = Forced("GetAuthMode", 0)) return s;
    flags = auth;
    return APS_OK;
}

Status FakeAdapter::SetAuthMode(const AuthFlags& f) {
    char detail[32];
    std::snprintf(detail, sizeof detail, "%d%d%d%d%d%d", f.open, f.shared, f.automatic, f.wpa,
                  f.wpaPsk, f.wpaNone);
    Record("SetAuthMode", 0, detail);
    if (Status s = Forced("SetAuthMode", 0)) return s;
    auth = f;
    return APS_OK;
}

Status FakeAdapter::AddWepKey(int32_t index, int32_t length, const uint8_t* key) {
    Record("AddWepKey", 0, std::to_string(index) + " " + Hex(key, length));
    return Forced("AddWepKey", 0);
}

Status FakeAdapter::RemoveWepKey(int32_t index) {
    Record("RemoveWepKey", 0, std::to_string(index));
    return Forced("RemoveWepKey", 0);
}

MibTest::MibTest() {
    auto fake = std::make_unique<FakeAdapter>();
    adapter = fake.get();
    root = std::make_unique<MibRoot>(std::move(fake));
}

Answer MibTest::Get(MibId id, void* buffer, int32_t length) {
    Answer a{0, 0, 0};
    a.status = root->Get(id, buffer, length, &a.needed, &a.written);
    return a;
}

Answer MibTest::Set(MibId id, const void* buffer, int32_t length) {
    Answer a{0, 0, 0};
    a.status = root->Set(id, buffer, length, &a.needed, &a.written);
    return a;
}

int32_t MibTest::IntOf(MibId id) {
    int32_t value = 0;
    const Answer a = Get(id, &value, 4);
    EXPECT_EQ(a.status, APS_OK) << Hex32(id);
    return value;
}

std::string MibTest::BytesOf(MibId id) {
    char buffer[256];
    const Answer a = Get(id, buffer, sizeof buffer);
    EXPECT_EQ(a.status, APS_OK) << Hex32(id);
    return std::string(buffer, a.status == APS_OK ? a.written : 0);
}

}  // namespace mib_test
