#include "molvex/oid_answers.h"

#include "lib/adapter/nioc.h"
#include "molvex/adapter_state.h"
#include "molvex/sim_registry.h"
#include "molvex/trace.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace molvex {

namespace {

struct Keyed {
    std::vector<uint8_t> prefix;
    std::string name;
};

struct Step {
    uint32_t number = 0;
    std::string name;
};

// The values of one OID found in the Oids key.
struct OidValues {
    std::string base;  // "0D01020A"
    bool plain = false;
    std::vector<Keyed> keyed;
    std::vector<Step> steps;  // ascending by number
};

// Upper case, as machine files write it; a value created by a set is named so.
std::string OidName(uint32_t oid) {
    std::string s = Hex8(oid);
    for (char& c : s)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(const std::string& text, std::vector<uint8_t>& out) {
    if (text.empty() || text.size() % 2) return false;
    out.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return true;
}

bool ParseStep(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 9) return false;
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + static_cast<uint32_t>(c - '0');
    }
    return out > 0;
}

bool SameFolded(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
               return fold(x) == fold(y);
           });
}

OidValues Scan(const std::string& oidKey, uint32_t oid) {
    OidValues v;
    v.base = OidName(oid);
    for (const std::string& name : ValueNames(oidKey)) {
        if (name.size() < 8 || !SameFolded(name.substr(0, 8), v.base)) continue;
        std::string rest = name.substr(8);
        if (rest.empty()) {
            v.plain = true;
        } else if (rest[0] == ':') {
            Keyed k;
            if (ParseHex(rest.substr(1), k.prefix)) {
                k.name = name;
                v.keyed.push_back(std::move(k));
            }
        } else if (rest[0] == '#') {
            Step s;
            if (ParseStep(rest.substr(1), s.number)) {
                s.name = name;
                v.steps.push_back(std::move(s));
            }
        }
    }
    std::sort(v.steps.begin(), v.steps.end(),
              [](const Step& a, const Step& b) { return a.number < b.number; });
    return v;
}

// The value that answers a query, or empty when the OID has none.
std::string ChooseAnswer(const OidValues& v, const std::string& instance, uint32_t oid,
                         const uint8_t* input, uint32_t length, bool& isStep) {
    isStep = false;
    if (!v.steps.empty()) {
        size_t at = std::min<size_t>(SequencePosition(instance, oid), v.steps.size() - 1);
        isStep = true;
        return v.steps[at].name;
    }
    const Keyed* best = nullptr;
    for (const Keyed& k : v.keyed)
        if (input && k.prefix.size() <= length &&
            std::memcmp(input, k.prefix.data(), k.prefix.size()) == 0 &&
            (!best || k.prefix.size() > best->prefix.size()))
            best = &k;
    if (best) return best->name;
    return v.plain ? v.base : std::string();
}

bool Forced(const std::string& oidKey, const OidValues& v, const char* direction,
            uint32_t& status) {
    return ReadDword(oidKey, (v.base + direction).c_str(), status);
}

uint32_t Size(const RawValue& raw) { return static_cast<uint32_t>(raw.bytes.size()); }

}  // namespace

Outcome AnswerQuery(const std::string& instance, const std::string& adapterKey, uint32_t oid,
                    uint8_t* buffer, uint32_t length) {
    const std::string oidKey = OidKey(adapterKey);
    const OidValues v = Scan(oidKey, oid);
    bool isStep = false;
    std::string name = ChooseAnswer(v, instance, oid, buffer, length, isStep);
    RawValue answer;
    bool found = !name.empty() && ReadRaw(oidKey, name, answer);

    uint32_t forced = 0;
    if (Forced(oidKey, v, "!query", forced)) return Outcome{forced, 0, found ? Size(answer) : 0};
    if (!found) return Outcome{kNdisNotSupported, 0, 0};
    if (Size(answer) > length) return Outcome{kNdisInvalidLength, 0, Size(answer)};
    if (Size(answer)) std::memcpy(buffer, answer.bytes.data(), answer.bytes.size());
    if (isStep) AdvanceSequence(instance, oid);
    return Outcome{kNdisSuccess, Size(answer), Size(answer)};
}

Outcome AnswerSet(const std::string& adapterKey, uint32_t oid, const uint8_t* buffer,
                  uint32_t length) {
    const std::string oidKey = OidKey(adapterKey);
    const OidValues v = Scan(oidKey, oid);
    RawValue stored;
    bool plain = v.plain && ReadRaw(oidKey, v.base, stored);
    // A DWORD answer is a fixed 4-byte value; any other answer takes what it is sent.
    bool fixed = plain && stored.type == REG_DWORD;
    uint32_t required = fixed ? 4 : (plain ? Size(stored) : 0);

    uint32_t forced = 0;
    if (Forced(oidKey, v, "!set", forced)) return Outcome{forced, 0, required};
    if (!plain && v.keyed.empty() && v.steps.empty()) return Outcome{kNdisNotSupported, 0, 0};
    if (length > kMaxSetLength || (fixed && length < 4))
        return Outcome{kNdisInvalidLength, 0, required};
    uint32_t take = fixed ? 4 : length;
    if (!WriteRaw(oidKey, v.base, plain ? stored.type : REG_BINARY, buffer, take))
        return Outcome{kNdisFailure, 0, 0};
    return Outcome{kNdisSuccess, take, take};
}

}  // namespace molvex
