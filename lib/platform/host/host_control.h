// Controls of the host emulation that Win32 itself does not have. Used by the machine loader and
// tests only; halvora never calls them.
#pragma once

#include "lib/platform/win32.h"

#ifndef _WIN32
// Empties the process registry (every open handle then reports ERROR_KEY_DELETED).
HOST_API void HostRegistryReset();
#endif
