// Open handles of simulated adapters and the status handler registered on each. A handle names
// the instance it was opened for; values are never reused within a process, so a stale handle
// cannot reach another adapter.
#pragma once

#include "lib/adapter/nioc.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace molvex {

struct Registration {
    NIOC_HANDLE handle = 0;
    NIOC_STATUS_HANDLER handler = nullptr;
    void* context = nullptr;
};

// 0 when no handle value is left.
NIOC_HANDLE OpenHandle(const std::string& instance);
// False for a handle that is not open. Waits for a handler call in progress to end, so none can
// follow the close.
bool CloseHandleOf(NIOC_HANDLE handle, std::string& instance);
bool InstanceOf(NIOC_HANDLE handle, std::string& instance);
// A null handler removes the registration.
bool SetHandler(NIOC_HANDLE handle, NIOC_STATUS_HANDLER handler, void* context,
                std::string& instance);
// The handlers registered for an instance (case-insensitive, as registry keys), in open order.
std::vector<Registration> HandlersOf(const std::string& instance);
bool StillRegistered(const Registration& r);
void ResetHandles();

// Held while a handler runs; closing, re-registering and resetting take it too. Recursive, so a
// handler may itself close its handle.
std::recursive_mutex& DeliveryLock();

// Instance names compare as registry key names do.
std::string FoldName(const std::string& name);

}  // namespace molvex
