// Placeholder until the generic adapter lands: every operation unavailable.
#include "lib/adapter/nds80211.h"

namespace halvora {

Nds80211::Nds80211(NIOC_HANDLE handle) : handle_(handle) {}
Nds80211::~Nds80211() = default;
int32_t Nds80211::IsWireless() { return 0; }
Status Nds80211::RemoveWepKey(int32_t) { return -1; }
Status Nds80211::AddWepKey(int32_t, int32_t, const uint8_t*) { return -1; }
Status Nds80211::GetTxRates(int32_t*) { return 0; }
Status Nds80211::GetRxRates(int32_t*) { return 0; }
Status Nds80211::GetRegDomains(int32_t&, uint32_t*) { return -1; }
Status Nds80211::SetRegDomains(int32_t&, const uint32_t*) { return -1; }
Status Nds80211::SetAuthMode(const AuthFlags&) { return -1; }
Status Nds80211::GetAuthMode(AuthFlags&) { return -1; }
Status Nds80211::SetBlock(MibId, const void*, int32_t, uint32_t*, uint32_t*) { return -1; }
Status Nds80211::SetU32(MibId, const int32_t&) { return -1; }
Status Nds80211::SetCounter(MibId, const uint32_t&) { return -1; }
Status Nds80211::SetMac(MibId, const MacAddress) { return -1; }
Status Nds80211::SetBytes(MibId, const ByteBuffer&) { return -1; }
Status Nds80211::GetBlock(MibId, void*, int32_t, uint32_t*, uint32_t*) { return -1; }
Status Nds80211::GetU32(MibId, int32_t&) { return -1; }
Status Nds80211::GetCounter(MibId, uint32_t&) { return -1; }
Status Nds80211::GetMac(MibId, MacAddress) { return -1; }
Status Nds80211::GetBytes(MibId, ByteBuffer&) { return -1; }
int32_t Nds80211::ParseDecimal(const char*) { return 0; }

}  // namespace halvora
