// What a simulated adapter remembers beyond the registry: whether it was rebound, and how far
// each answer sequence has gone. Kept per instance name (not per handle), as a driver would,
// until the stand-in is reset.
#pragma once

#include <cstdint>
#include <string>

namespace molvex {

void MarkRebound(const std::string& instance);
bool WasRebound(const std::string& instance);
// Number of queries of the OID that a sequence step has answered.
uint32_t SequencePosition(const std::string& instance, uint32_t oid);
void AdvanceSequence(const std::string& instance, uint32_t oid);
void ResetAdapterState();

}  // namespace molvex
