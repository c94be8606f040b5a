// Events, waits and time for the host, with the Win32 semantics the system relies on: manual- and
// auto-reset events that any thread may set, and waits that end by signal or by time-out.
#include "lib/platform/win32.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

namespace {

constexpr uint32_t kEventTag = 0x45564E54;  // marks a live event, so a stray handle is refused

struct Event {
    uint32_t tag = kEventTag;
    bool manualReset = true;
    bool signalled = false;
    std::mutex lock;
    std::condition_variable changed;
};

Event* AsEvent(HANDLE h) {
    Event* e = static_cast<Event*>(h);
    return e && e->tag == kEventTag ? e : nullptr;
}

}  // namespace

HANDLE CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCSTR) {
    Event* e = new (std::nothrow) Event;
    if (!e) return nullptr;
    e->manualReset = manualReset != 0;
    e->signalled = initialState != 0;
    return e;
}

BOOL SetEvent(HANDLE h) {
    Event* e = AsEvent(h);
    if (!e) return FALSE;
    {
        std::lock_guard<std::mutex> guard(e->lock);
        e->signalled = true;
    }
    e->changed.notify_all();
    return TRUE;
}

BOOL ResetEvent(HANDLE h) {
    Event* e = AsEvent(h);
    if (!e) return FALSE;
    std::lock_guard<std::mutex> guard(e->lock);
    e->signalled = false;
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE h, DWORD milliseconds) {
    Event* e = AsEvent(h);
    if (!e) return WAIT_FAILED;
    std::unique_lock<std::mutex> guard(e->lock);
    auto ready = [e] { return e->signalled; };
    if (milliseconds == INFINITE) {
        e->changed.wait(guard, ready);
    } else if (!e->changed.wait_for(guard, std::chrono::milliseconds(milliseconds), ready)) {
        return WAIT_TIMEOUT;
    }
    if (!e->manualReset) e->signalled = false;
    return WAIT_OBJECT_0;
}

BOOL CloseHandle(HANDLE h) {
    Event* e = AsEvent(h);
    if (!e) return FALSE;
    e->tag = 0;
    delete e;
    return TRUE;
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetTickCount() {
    using namespace std::chrono;
    return static_cast<DWORD>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
