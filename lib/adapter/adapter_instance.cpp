// AdapterInstance: opening by instance name, the forwarded operations with their readiness wait,
// and the status handler.
#include "lib/adapter/adapter_instance.h"

#include "lib/adapter/nds80211.h"
#include "lib/discovery/factory.h"
#include "lib/discovery/records.h"

#include <cstring>

namespace halvora {

namespace {

constexpr DWORD kReadyWaitMs = 10;
constexpr DWORD kRebindPauseMs = 100;

// The I/O library is initialised at the first opening of the process, whatever the outcome.
bool g_ioLibraryInitialised = false;

void InitialiseIoLibraryOnce() {
    if (g_ioLibraryInitialised) return;
    g_ioLibraryInitialised = true;
    if (NIOC_IsInstalled() && !NIOC_InitializeEx(0, 1)) NIOC_InitializeEx(0, 0);
}

// Where each Windows family keeps a driver's parameters, around the record's driver value.
struct DriverKeyForm {
    WindowsFamily family;
    const char* prefix;
    const char* suffix;
};

constexpr DriverKeyForm kDriverKeyForms[] = {
    {WindowsFamily::Win9x, "System\\CurrentControlSet\\Services\\Class\\", ""},
    {WindowsFamily::NT4, "SYSTEM\\CurrentControlSet\\Services\\", "\\Parameters"},
    {WindowsFamily::NT5, "SYSTEM\\CurrentControlSet\\Control\\Class\\", ""},
    {WindowsFamily::NT6, "SYSTEM\\CurrentControlSet\\Control\\Class\\", ""},
};

std::string DriverKeyPathOf(const AdapterRecord& record, WindowsFamily family) {
    for (const DriverKeyForm& form : kDriverKeyForms)
        if (form.family == family) return form.prefix + record.driver + form.suffix;
    return {};
}

// The first entry whose driver carries the name, exactly.
const AdapterRecord* FindAdapter(const AdapterCollection& adapters, const char* name) {
    for (const auto& entry : adapters) {
        const AdapterRecord* record = entry ? entry->Adapter() : nullptr;
        if (record && record->driverRecord && record->driverRecord->instanceId == name)
            return record;
    }
    return nullptr;
}

HANDLE CreateClearEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

}  // namespace

AdapterInstance::AdapterInstance(const char* instanceName)
    : boundEvent_(CreateClearEvent()), readyEvent_(CreateClearEvent()) {
    // Names that do not fit are refused rather than cut, so no other adapter is opened.
    if (!instanceName) return;
    size_t length = 0;
    while (length < sizeof name_ && instanceName[length]) ++length;
    if (length == sizeof name_) return;
    std::memcpy(name_, instanceName, length);
    try {
        Open();
    } catch (...) {
        // Out of memory half-way: what was opened is closed by the destructor; nothing is usable.
        adapter_.reset();
        wireless_ = 0;
        if (boundEvent_) ResetEvent(boundEvent_);
        if (readyEvent_) ResetEvent(readyEvent_);
    }
}

AdapterInstance::AdapterInstance(NoOpen)
    : boundEvent_(CreateEventA(nullptr, TRUE, TRUE, nullptr)),
      readyEvent_(CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

void AdapterInstance::Open() {
    const WindowsFamily family = CurrentWindowsFamily();
    if (IsNtFamily(family)) {
        InitialiseIoLibraryOnce();
        if (!NIOC_IsRunning()) return;
    }
    AdapterCollection adapters = ScanAdapters();
    const AdapterRecord* found = FindAdapter(adapters, name_);
    if (!found) return;
    record_ = AdapterRecord::FromDeviceKey(found->deviceKeyPath, family);
    if (!record_) return;
    handle_ = NIOC_OpenInstance(name_);
    if (!handle_) return;
    driverKeyPath_ = DriverKeyPathOf(*record_, family);
    adapter_ = CreateAdapter(*record_, driverKeyPath_, handle_);
    if (!adapter_) return;
    if (EnsureBound()) {
        SetEvent(boundEvent_);
        SetEvent(readyEvent_);
        wireless_ = adapter_->IsWireless();
        NIOC_MonitorStatus(handle_, &AdapterInstance::OnStatus, this);
    } else {
        ResetEvent(boundEvent_);
        ResetEvent(readyEvent_);
    }
    adapter_->SetDriverKeyPath(driverKeyPath_);
}

// The handle is closed before the events, so a handler running on another thread never sees an
// event that is already gone.
AdapterInstance::~AdapterInstance() {
    adapter_.reset();
    if (handle_) NIOC_CloseInstance(handle_);
    handle_ = 0;
    if (readyEvent_) CloseHandle(readyEvent_);
    if (boundEvent_) CloseHandle(boundEvent_);
    record_.reset();
}

bool AdapterInstance::WaitBound(DWORD ms) {
    return boundEvent_ && WaitForSingleObject(boundEvent_, ms) != WAIT_TIMEOUT;
}

bool AdapterInstance::WaitReady(DWORD ms) {
    return readyEvent_ && WaitForSingleObject(readyEvent_, ms) != WAIT_TIMEOUT;
}

bool AdapterInstance::CheckBound() {
    if (!boundEvent_) return false;
    if (NIOC_QueryBindState(handle_)) {
        SetEvent(boundEvent_);
        return true;
    }
    ResetEvent(boundEvent_);
    return false;
}

bool AdapterInstance::EnsureBound() {
    if (CheckBound()) return true;
    NIOC_Rebind(handle_);
    Sleep(kRebindPauseMs);
    return CheckBound();
}

void NIOC_CALL AdapterInstance::OnStatus(uint32_t code, void* context) {
    auto* self = static_cast<AdapterInstance*>(context);
    if (!self) return;
    switch (code) {
        case kStatusAdapterGone:
            ResetEvent(self->boundEvent_);
            ResetEvent(self->readyEvent_);
            break;
        case kStatusAdapterBusy:
            ResetEvent(self->readyEvent_);
            break;
        case kStatusAdapterBack:
            SetEvent(self->readyEvent_);
            break;
        default:
            break;
    }
}

template <typename Call>
Status AdapterInstance::Forward(Call call) {
    if (!adapter_) return APS_UNAVAILABLE;
    if (!WaitReady(kReadyWaitMs)) return APS_NOT_READY;
    return call(*adapter_);
}

Status AdapterInstance::GetBlock(MibId id, void* buffer, int32_t length, uint32_t* needed,
                                 uint32_t* written) {
    return Forward([&](Nds80211& a) { return a.GetBlock(id, buffer, length, needed, written); });
}

Status AdapterInstance::GetBytes(MibId id, ByteBuffer& value) {
    return Forward([&](Nds80211& a) { return a.GetBytes(id, value); });
}

Status AdapterInstance::GetMac(MibId id, MacAddress mac) {
    return Forward([&](Nds80211& a) { return a.GetMac(id, mac); });
}

Status AdapterInstance::GetU32(MibId id, int32_t& value) {
    return Forward([&](Nds80211& a) { return a.GetU32(id, value); });
}

Status AdapterInstance::GetCounter(MibId id, uint32_t& value) {
    return Forward([&](Nds80211& a) { return a.GetCounter(id, value); });
}

Status AdapterInstance::SetBlock(MibId id, const void* buffer, int32_t length, uint32_t* needed,
                                 uint32_t* read) {
    return Forward([&](Nds80211& a) { return a.SetBlock(id, buffer, length, needed, read); });
}

Status AdapterInstance::SetBytes(MibId id, const ByteBuffer& value) {
    return Forward([&](Nds80211& a) { return a.SetBytes(id, value); });
}

Status AdapterInstance::SetMac(MibId id, const MacAddress mac) {
    return Forward([&](Nds80211& a) { return a.SetMac(id, mac); });
}

Status AdapterInstance::SetU32(MibId id, const int32_t& value) {
    return Forward([&](Nds80211& a) { return a.SetU32(id, value); });
}

Status AdapterInstance::SetCounter(MibId id, const uint32_t& value) {
    return Forward([&](Nds80211& a) { return a.SetCounter(id, value); });
}

Status AdapterInstance::GetTxRates(int32_t rates[kRateCount]) {
    return Forward([&](Nds80211& a) { return a.GetTxRates(rates); });
}

Status AdapterInstance::GetRxRates(int32_t rates[kRateCount]) {
    return Forward([&](Nds80211& a) { return a.GetRxRates(rates); });
}

Status AdapterInstance::GetRegDomains(int32_t& count, uint32_t* codes) {
    return Forward([&](Nds80211& a) { return a.GetRegDomains(count, codes); });
}

Status AdapterInstance::SetRegDomains(int32_t& rowIndex, const uint32_t* codes) {
    return Forward([&](Nds80211& a) { return a.SetRegDomains(rowIndex, codes); });
}

Status AdapterInstance::GetAuthMode(AuthFlags& flags) {
    return Forward([&](Nds80211& a) { return a.GetAuthMode(flags); });
}

Status AdapterInstance::SetAuthMode(const AuthFlags& flags) {
    return Forward([&](Nds80211& a) { return a.SetAuthMode(flags); });
}

Status AdapterInstance::AddWepKey(int32_t index, int32_t length, const uint8_t* key) {
    return Forward([&](Nds80211& a) { return a.AddWepKey(index, length, key); });
}

Status AdapterInstance::RemoveWepKey(int32_t index) {
    return Forward([&](Nds80211& a) { return a.RemoveWepKey(index); });
}

int32_t AdapterInstance::IsWireless() {
    if (wireless_) return 1;
    return adapter_ ? adapter_->IsWireless() : 0;
}

}  // namespace halvora
