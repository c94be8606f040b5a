// Status notifications: a code handed to the handlers registered for an instance, on a thread of
// its own, as a driver event would arrive.
#pragma once

#include <cstdint>
#include <string>

namespace molvex {

// Returns once every handler has run: the number of handlers called (0 when none is registered).
uint32_t Deliver(const std::string& instance, uint32_t code);

}  // namespace molvex
