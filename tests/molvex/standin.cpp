#include "tests/molvex/standin.h"

#include <algorithm>

namespace molvex_test {

std::string Machine(const std::string& adapterValues, const std::string& oidValues) {
    return "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\{A1}]\n" +
           adapterValues + "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim\\Adapters\\{A1}\\Oids]\n" +
           oidValues + "\n";
}

Reply Query(NIOC_HANDLE h, uint32_t oid, uint32_t length, const std::vector<uint8_t>& input) {
    Reply r;
    r.data.assign(length, 0xEE);
    std::copy(input.begin(), input.begin() + std::min<size_t>(input.size(), length),
              r.data.begin());
    r.status = r.needed = r.count = 0x5A5A5A5A;
    r.reached = NIOC_QueryOid(h, &r.status, oid, length ? r.data.data() : nullptr, length,
                              &r.needed, &r.count);
    return r;
}

Reply Set(NIOC_HANDLE h, uint32_t oid, const std::vector<uint8_t>& bytes) {
    Reply r;
    r.data = bytes;
    r.status = r.needed = r.count = 0x5A5A5A5A;
    r.reached = NIOC_SetOid(h, &r.status, oid, bytes.empty() ? nullptr : bytes.data(),
                            static_cast<uint32_t>(bytes.size()), &r.needed, &r.count);
    return r;
}

std::vector<uint8_t> Le32(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

NIOC_HANDLE StandIn::Open(const std::string& machine) {
    LoadMachine(machine);
    NIOC_HANDLE h = NIOC_OpenInstance(kAdapter);
    EXPECT_NE(h, 0u);
    testing_support::TakeTrace();
    return h;
}

}  // namespace molvex_test
