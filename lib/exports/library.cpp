#include "lib/exports/library.h"

namespace halvora {

namespace {

// The current module state of this thread; the library's own is the address of its state.
thread_local const void* g_currentModule = nullptr;

}  // namespace

LibraryState& Library() {
    static LibraryState state;
    return state;
}

ModuleStateScope::ModuleStateScope() : saved_(g_currentModule) { g_currentModule = &Library(); }

ModuleStateScope::~ModuleStateScope() { g_currentModule = saved_; }

}  // namespace halvora
