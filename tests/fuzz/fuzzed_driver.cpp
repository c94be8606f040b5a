#include "tests/fuzz/fuzzed_driver.h"

#include "lib/adapter/nioc.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace fuzz {

namespace {

struct Handler {
    NIOC_STATUS_HANDLER function;
    void* context;
};

ByteReader* g_in = nullptr;
ByteReader g_empty(nullptr, 0);
NIOC_HANDLE g_next = 0x100;
std::map<NIOC_HANDLE, std::vector<Handler>> g_open;
int g_badCloses = 0;
volatile uint8_t g_sink;  // keeps the driver's reads of a set's buffer

ByteReader& In() { return g_in ? *g_in : g_empty; }

struct Answer {
    uint32_t status;
    uint64_t length;  // bytes the driver has to give
    uint32_t counted;
    uint32_t needed;
    bool result;
};

constexpr uint32_t kStatuses[] = {kNdisSuccess,        kNdisSuccess,       kNdisSuccess,
                                  kNdisNotSupported,   kNdisInvalidLength, kNdisBufferTooShort,
                                  kNdisFailure};

Answer ReadAnswer(uint32_t bufferLength) {
    ByteReader& in = In();
    uint8_t mode = in.Byte();
    Answer a{};
    a.status = (mode & 7) < 7 ? kStatuses[mode & 7] : in.U32();
    switch ((mode >> 3) & 3) {
        case 0: a.length = in.Byte(); break;
        case 1: a.length = in.U16(); break;
        case 2: a.length = bufferLength; break;
        case 3: a.length = in.U32(); break;
    }
    a.counted = (mode & 0x20) ? in.U32() : static_cast<uint32_t>(a.length);
    a.needed = (mode & 0x40) ? in.U32() : static_cast<uint32_t>(a.length);
    a.result = !(mode & 0x80) && a.status == kNdisSuccess;
    return a;
}

}  // namespace

void DriverAnswersFrom(ByteReader* in) { g_in = in; }

void DriverNotify(uint32_t code) {
    // Copied first: a handler may not change the table, but nothing here relies on that.
    std::vector<Handler> all;
    for (auto& [handle, handlers] : g_open) all.insert(all.end(), handlers.begin(), handlers.end());
    for (const Handler& h : all) h.function(code, h.context);
}

int DriverOpenHandles() { return static_cast<int>(g_open.size()); }
int DriverBadCloses() { return g_badCloses; }

void DriverReset() {
    g_in = nullptr;
    g_open.clear();
    g_badCloses = 0;
}

}  // namespace fuzz

using fuzz::In;

extern "C" {

BOOL NIOC_CALL NIOC_IsInstalled(void) { return TRUE; }
BOOL NIOC_CALL NIOC_InitializeEx(int32_t, int32_t) { return TRUE; }
BOOL NIOC_CALL NIOC_IsRunning(void) { return TRUE; }

NIOC_HANDLE NIOC_CALL NIOC_OpenInstance(const char* instanceName) {
    if (!instanceName) return 0;
    NIOC_HANDLE h = fuzz::g_next++;
    fuzz::g_open[h];
    return h;
}

BOOL NIOC_CALL NIOC_CloseInstance(NIOC_HANDLE handle) {
    if (!fuzz::g_open.erase(handle)) {
        ++fuzz::g_badCloses;
        return FALSE;
    }
    return TRUE;
}

BOOL NIOC_CALL NIOC_QueryOid(NIOC_HANDLE handle, uint32_t* status, uint32_t, void* buffer,
                             uint32_t length, uint32_t* needed, uint32_t* written) {
    fuzz::Answer a = fuzz::ReadAnswer(length);
    if (buffer) {
        uint32_t fill = static_cast<uint32_t>(std::min<uint64_t>(a.length, length));
        std::vector<uint8_t> bytes = In().Bytes(fill);
        std::memset(buffer, 0, fill);
        if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
    }
    if (status) *status = a.status;
    if (needed) *needed = a.needed;
    if (written) *written = a.counted;
    return a.result && fuzz::g_open.count(handle);
}

BOOL NIOC_CALL NIOC_SetOid(NIOC_HANDLE handle, uint32_t* status, uint32_t, const void* buffer,
                           uint32_t length, uint32_t* needed, uint32_t* read) {
    fuzz::Answer a = fuzz::ReadAnswer(length);
    // The driver reads what it was given; a bad buffer shows up here under the sanitizer.
    if (buffer && length) {
        uint8_t sum = 0;
        for (uint32_t i = 0; i < length; ++i) sum += static_cast<const uint8_t*>(buffer)[i];
        fuzz::g_sink = sum;
    }
    if (status) *status = a.status;
    if (needed) *needed = a.needed;
    if (read) *read = a.counted;
    return a.result && fuzz::g_open.count(handle);
}

BOOL NIOC_CALL NIOC_QueryTxByteCount(NIOC_HANDLE, uint32_t* count) {
    if (count) *count = In().U32();
    return !(In().Byte() & 1);
}

BOOL NIOC_CALL NIOC_QueryRxByteCount(NIOC_HANDLE, uint32_t* count) {
    if (count) *count = In().U32();
    return !(In().Byte() & 1);
}

BOOL NIOC_CALL NIOC_QueryBindState(NIOC_HANDLE handle) { return fuzz::g_open.count(handle) != 0; }
BOOL NIOC_CALL NIOC_Rebind(NIOC_HANDLE) { return TRUE; }

BOOL NIOC_CALL NIOC_MonitorStatus(NIOC_HANDLE handle, NIOC_STATUS_HANDLER handler,
                                  void* context) {
    auto it = fuzz::g_open.find(handle);
    if (it == fuzz::g_open.end() || !handler) return FALSE;
    it->second.push_back({handler, context});
    return TRUE;
}

}  // extern "C"

