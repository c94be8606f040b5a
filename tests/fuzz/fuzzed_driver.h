// A driver that answers every request from fuzz input, standing in for the NDIS I/O library in
// the exports fuzz target (its NIOC_ functions are linked into that program and take precedence
// over the stand-in's). Each query or set reads one mode byte and its fields:
//   bits 0-2  NDIS status: success (0-2), not supported, invalid length, buffer too short,
//             failure, or a raw 32-bit status that follows
//   bits 3-4  answer length m: one byte, 16 bits, exactly the buffer's length, or 32 bits
//   bit 5     the reported written/read count is a raw 32-bit value instead of m
//   bit 6     the reported needed count is a raw 32-bit value instead of m
//   bit 7     the call itself answers false
// A query copies min(m, length) answer bytes into the buffer, never more, as a real driver must;
// every count it reports may still be a lie. Adapters are always bound, and every wait of the
// program ends at once (tests/fault/instant_waits.cpp).
#pragma once

#include "tests/fuzz/byte_reader.h"

#include <cstdint>

namespace fuzz {

// Answers come from `in` until the next call; null answers every request with success and no data.
void DriverAnswersFrom(ByteReader* in);
// Delivers a status code to every registered handler, on the calling thread.
void DriverNotify(uint32_t code);
// Handles opened and not closed; closes of handles never opened.
int DriverOpenHandles();
int DriverBadCloses();
void DriverReset();

}  // namespace fuzz
