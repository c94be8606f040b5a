// The NIOC_ functions over simulated adapters. Every call reads the registry afresh and leaves a
// trace line; a bad argument or an unknown handle is answered false, never trusted.
#include "lib/adapter/nioc.h"
#include "molvex/adapter_state.h"
#include "molvex/handles.h"
#include "molvex/oid_answers.h"
#include "molvex/sim_registry.h"
#include "molvex/trace.h"

#include <string>

using namespace molvex;

namespace {

// Runs an export body; out of memory (or any other throw) gives the failure answer.
template <class Result, class Body>
Result Guarded(Result failure, Body body) {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

template <class T>
void Put(T* out, T value) {
    if (out) *out = value;
}

bool LibraryValue(const char* name) { return DwordOr(kSimKey, name, 1u) != 0; }

const char* Flag(bool b) { return b ? "1" : "0"; }

// The adapter a request on this handle reaches: false when the handle is not open, the library
// is not running or the adapter's key is gone (the driver was removed).
bool Reach(NIOC_HANDLE handle, std::string& instance, std::string& key) {
    if (!InstanceOf(handle, instance)) return false;
    key = AdapterKey(instance.c_str());
    return LibraryValue("Running") && KeyExists(key);
}

// An OID request that may go on to the adapter: the buffer is there for its length and the
// adapter is reachable. One that cannot is traced when the handle is open.
bool Request(const char* verb, NIOC_HANDLE handle, uint32_t oid, const void* buffer,
             uint32_t length, std::string& instance, std::string& key) {
    if (!buffer && length) return false;
    if (Reach(handle, instance, key)) return true;
    if (!instance.empty())
        TraceLine(std::string(verb) + " " + instance + " " + Hex8(oid) + " len=" +
                  std::to_string(length) + " -> not reached");
    return false;
}

void Failed(uint32_t* status, uint32_t* needed, uint32_t* count) {
    Put(status, kNdisFailure);
    Put(needed, 0u);
    Put(count, 0u);
}

BOOL ByteCount(const char* verb, const char* valueName, NIOC_HANDLE handle, uint32_t* count) {
    std::string instance, key;
    if (!InstanceOf(handle, instance)) return FALSE;
    uint32_t value = 0;
    bool ok = count && Reach(handle, instance, key) && ReadDword(key, valueName, value);
    if (ok) *count = value;
    TraceLine(std::string(verb) + " " + instance + " -> " +
              (ok ? std::to_string(value) : std::string("failed")));
    return ok ? TRUE : FALSE;
}

}  // namespace

NIOC_API BOOL NIOC_CALL NIOC_IsInstalled(void) {
    return Guarded(FALSE, [] {
        bool yes = LibraryValue("Installed");
        TraceLine(std::string("installed -> ") + Flag(yes));
        return yes ? TRUE : FALSE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_InitializeEx(int32_t first, int32_t second) {
    return Guarded(FALSE, [&] {
        bool yes = LibraryValue("Initialize");
        TraceLine("initialize " + std::to_string(first) + " " + std::to_string(second) + " -> " +
                  Flag(yes));
        return yes ? TRUE : FALSE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_IsRunning(void) {
    return Guarded(FALSE, [] {
        bool yes = LibraryValue("Running");
        TraceLine(std::string("running -> ") + Flag(yes));
        return yes ? TRUE : FALSE;
    });
}

NIOC_API NIOC_HANDLE NIOC_CALL NIOC_OpenInstance(const char* instanceName) {
    return Guarded(NIOC_HANDLE(0), [&] {
        std::string key = AdapterKey(instanceName);
        NIOC_HANDLE h = 0;
        if (!key.empty() && LibraryValue("Running") && KeyExists(key)) h = OpenHandle(instanceName);
        TraceLine(std::string("open ") + (instanceName ? instanceName : "(null)") + " -> " +
                  (h ? "ok" : "refused"));
        return h;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_CloseInstance(NIOC_HANDLE handle) {
    return Guarded(FALSE, [&] {
        std::string instance;
        if (!CloseHandleOf(handle, instance)) return FALSE;
        TraceLine("close " + instance);
        return TRUE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_QueryOid(NIOC_HANDLE handle, uint32_t* status, uint32_t oid,
                                      void* buffer, uint32_t length, uint32_t* needed,
                                      uint32_t* written) {
    return Guarded(FALSE, [&] {
        Failed(status, needed, written);
        std::string instance, key;
        if (!Request("query", handle, oid, buffer, length, instance, key)) return FALSE;
        uint8_t* bytes = static_cast<uint8_t*>(buffer);
        Outcome out = AnswerQuery(instance, key, oid, bytes, length);
        Put(status, out.status);
        Put(needed, out.needed);
        Put(written, out.count);
        TraceLine("query " + instance + " " + Hex8(oid) + " len=" + std::to_string(length) +
                  " -> " + Hex8(out.status) + " written=" + std::to_string(out.count) +
                  " needed=" + std::to_string(out.needed) + " data=" + HexBytes(bytes, out.count));
        return TRUE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_SetOid(NIOC_HANDLE handle, uint32_t* status, uint32_t oid,
                                    const void* buffer, uint32_t length, uint32_t* needed,
                                    uint32_t* read) {
    return Guarded(FALSE, [&] {
        Failed(status, needed, read);
        std::string instance, key;
        if (!Request("set", handle, oid, buffer, length, instance, key)) return FALSE;
        const uint8_t* bytes = static_cast<const uint8_t*>(buffer);
        Outcome out = AnswerSet(key, oid, bytes, length);
        Put(status, out.status);
        Put(needed, out.needed);
        Put(read, out.count);
        std::string data = length > kMaxSetLength ? "-" : HexBytes(bytes, length);
        TraceLine("set " + instance + " " + Hex8(oid) + " len=" + std::to_string(length) +
                  " data=" + data + " -> " + Hex8(out.status) + " read=" +
                  std::to_string(out.count) + " needed=" + std::to_string(out.needed));
        return TRUE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_QueryTxByteCount(NIOC_HANDLE handle, uint32_t* count) {
    return Guarded(FALSE, [&] { return ByteCount("txbytes", "TxBytes", handle, count); });
}

NIOC_API BOOL NIOC_CALL NIOC_QueryRxByteCount(NIOC_HANDLE handle, uint32_t* count) {
    return Guarded(FALSE, [&] { return ByteCount("rxbytes", "RxBytes", handle, count); });
}

NIOC_API BOOL NIOC_CALL NIOC_QueryBindState(NIOC_HANDLE handle) {
    return Guarded(FALSE, [&] {
        std::string instance, key;
        if (!InstanceOf(handle, instance)) return FALSE;
        bool bound = Reach(handle, instance, key) &&
                     DwordOr(key, WasRebound(instance) ? "BoundAfterRebind" : "Bound", 1u) != 0;
        TraceLine("bindstate " + instance + " -> " + Flag(bound));
        return bound ? TRUE : FALSE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_Rebind(NIOC_HANDLE handle) {
    return Guarded(FALSE, [&] {
        std::string instance;
        if (!InstanceOf(handle, instance)) return FALSE;
        MarkRebound(instance);
        TraceLine("rebind " + instance);
        return TRUE;
    });
}

NIOC_API BOOL NIOC_CALL NIOC_MonitorStatus(NIOC_HANDLE handle, NIOC_STATUS_HANDLER handler,
                                           void* context) {
    return Guarded(FALSE, [&] {
        std::string instance;
        if (!SetHandler(handle, handler, context, instance)) return FALSE;
        TraceLine("monitor " + instance + " -> " + (handler ? "on" : "off"));
        return TRUE;
    });
}
