// The trace: one line per request that reached a simulated adapter, and per open, close, rebind,
// bind-state query, byte-count query, handler registration, notification and library call, in
// the order they happened. Any thread may append.
#pragma once

#include <cstdint>
#include <string>

namespace molvex {

void TraceLine(std::string line);
// Every line, each ending in '\n'; a first line tells how many old lines were dropped when the
// trace outgrew its bound.
std::string TraceText();
void ClearTrace();
// Copies the text with its terminating zero when length is enough (then clears when asked);
// needed is always the size that would fit. False leaves the trace as it was.
bool CopyTrace(char* buffer, uint32_t length, uint32_t* needed, bool clear);

// Lower-case hex: a number in 8 digits, bytes in buffer order ("-" for none).
std::string Hex8(uint32_t v);
std::string HexBytes(const uint8_t* bytes, uint32_t n);

}  // namespace molvex
