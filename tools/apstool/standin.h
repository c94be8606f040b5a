// The Molvex stand-in's controls: its trace and its status notifications. A real NDIS I/O library
// has neither, so on Windows they are looked up when first needed and their absence is an answer,
// not a failure to start.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace apstool {

bool StandInPresent();
void ClearTrace();
// The lines of the trace so far, without their line ends, and clears it.
std::vector<std::string> TakeTrace();
// Delivers a status code to the handlers registered for the instance; false without a stand-in.
bool Notify(const std::string& instance, uint32_t code);

}  // namespace apstool
