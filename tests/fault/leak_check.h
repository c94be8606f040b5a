// LeakSanitizer's check on demand: the number of leaked blocks reported so far is not counted,
// only whether any is unreachable now. Without LeakSanitizer it finds nothing.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define HALVORA_HAVE_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HALVORA_HAVE_LSAN 1
#endif
#endif

#ifdef HALVORA_HAVE_LSAN
#include <sanitizer/lsan_interface.h>
#endif

namespace fault {

// True when some block is unreachable now (LeakSanitizer prints where it was allocated).
inline bool Leaked() {
#ifdef HALVORA_HAVE_LSAN
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}

}  // namespace fault
