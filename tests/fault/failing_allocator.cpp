// Replaces every form of global operator new and delete for the fault test program.
#include "tests/fault/failing_allocator.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include <dlfcn.h>
#include <execinfo.h>

namespace {

thread_local long t_countdown = 0;  // 0: not armed
thread_local bool t_failed = false;
// Where the failed allocation was made, to tell later which module it failed in.
thread_local void* t_frames[64];
thread_local int t_frameCount = 0;

// backtrace loads its unwinder on first use; do that before any allocation is failed.
const int g_unwinderLoaded = [] {
    void* frame[1];
    return backtrace(frame, 1);
}();

// True when this allocation is the one to fail.
bool ShouldFail() {
    if (t_countdown <= 0) return false;
    if (--t_countdown > 0) return false;
    t_failed = true;
    t_frameCount = backtrace(t_frames, 64);
    return true;
}

void* Allocate(std::size_t size, std::size_t align, bool nothrow) {
    void* p = nullptr;
    if (!ShouldFail()) {
        if (size == 0) size = 1;
        if (align <= alignof(std::max_align_t)) {
            p = std::malloc(size);
        } else {
            std::size_t rounded = (size + align - 1) / align * align;
            p = std::aligned_alloc(align, rounded);
        }
    }
    if (!p && !nothrow) throw std::bad_alloc();
    return p;
}

constexpr std::size_t kPlain = alignof(std::max_align_t);

}  // namespace

namespace fault {

void FailNth(long n) {
    t_failed = false;
    t_countdown = n;
}

bool Disarm() {
    t_countdown = 0;
    return t_failed;
}

bool FailedIn(const char* module) {
    if (!t_failed) return false;
    for (int i = 0; i < t_frameCount; ++i) {
        Dl_info info;
        if (dladdr(t_frames[i], &info) && info.dli_fname && std::strstr(info.dli_fname, module))
            return true;
    }
    return false;
}

std::string FailedAt() {
    std::string out;
    if (!t_failed) return out;
    char** names = backtrace_symbols(t_frames, t_frameCount);
    for (int i = 0; names && i < t_frameCount; ++i) out += std::string("\n  ") + names[i];
    std::free(names);
    return out;
}

}  // namespace fault

void* operator new(std::size_t n) { return Allocate(n, kPlain, false); }
void* operator new[](std::size_t n) { return Allocate(n, kPlain, false); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return Allocate(n, kPlain, true);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return Allocate(n, kPlain, true);
}
void* operator new(std::size_t n, std::align_val_t a) {
    return Allocate(n, static_cast<std::size_t>(a), false);
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return Allocate(n, static_cast<std::size_t>(a), false);
}
void* operator new(std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return Allocate(n, static_cast<std::size_t>(a), true);
}
void* operator new[](std::size_t n, std::align_val_t a, const std::nothrow_t&) noexcept {
    return Allocate(n, static_cast<std::size_t>(a), true);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
