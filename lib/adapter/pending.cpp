// Placeholder until the adapter core lands: nothing can be opened.
#include "lib/adapter/adapter_instance.h"
#include "lib/adapter/nds80211.h"
#include "lib/discovery/records.h"

namespace halvora {



AdapterInstance::AdapterInstance(const char*) {}
AdapterInstance::~AdapterInstance() = default;
Status AdapterInstance::GetBlock(MibId, void*, int32_t, uint32_t*, uint32_t*) { return -1; }
Status AdapterInstance::GetBytes(MibId, ByteBuffer&) { return -1; }
Status AdapterInstance::GetMac(MibId, MacAddress) { return -1; }
Status AdapterInstance::GetU32(MibId, int32_t&) { return -1; }
Status AdapterInstance::GetCounter(MibId, uint32_t&) { return -1; }
Status AdapterInstance::SetBlock(MibId, const void*, int32_t, uint32_t*, uint32_t*) { return -1; }
Status AdapterInstance::SetBytes(MibId, const ByteBuffer&) { return -1; }
Status AdapterInstance::SetMac(MibId, const MacAddress) { return -1; }
Status AdapterInstance::SetU32(MibId, const int32_t&) { return -1; }
Status AdapterInstance::SetCounter(MibId, const uint32_t&) { return -1; }
Status AdapterInstance::GetTxRates(int32_t*) { return -1; }
Status AdapterInstance::GetRxRates(int32_t*) { return -1; }
Status AdapterInstance::GetRegDomains(int32_t&, uint32_t*) { return -1; }
Status AdapterInstance::SetRegDomains(int32_t&, const uint32_t*) { return -1; }
Status AdapterInstance::GetAuthMode(AuthFlags&) { return -1; }
Status AdapterInstance::SetAuthMode(const AuthFlags&) { return -1; }
Status AdapterInstance::AddWepKey(int32_t, int32_t, const uint8_t*) { return -1; }
Status AdapterInstance::RemoveWepKey(int32_t) { return -1; }
int32_t AdapterInstance::IsWireless() { return 0; }
bool AdapterInstance::WaitBound(DWORD) { return false; }
bool AdapterInstance::WaitReady(DWORD) { return false; }

}  // namespace halvora
