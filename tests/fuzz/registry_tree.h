// Builds a registry tree below HKEY_LOCAL_MACHINE from fuzz input, so that a fuzzer can shape the
// keys a scan or a walk meets: where adapters live, the names that mark them, odd value types,
// long names, deep nesting.
//
// The input is a list of operations, each one byte followed by its fields:
//   0 anchor <n>           current key = kAnchors[n % count] (created)
//   1 child <name>         current key = current\name (created)
//   2 up                   current key = its parent
//   3 value <name> <type> <data>   set a value in the current key
//   4 version <n>          the Windows family the machine reports (9x, NT 4, NT 5, NT 6)
//   5 end                  stop; the rest of the input is for the caller
// A <name> is one byte: below the word count it picks kWords[b], otherwise (b & 0x3f) raw bytes
// follow. A <type> byte below 0x80 is that registry type, otherwise a raw 32-bit type follows. A
// <data> byte picks a word stored as text (b < word count: kWords[b] and its zero), or a length
// (b - word count; 0xFF: a 16-bit length follows) of raw bytes.
#pragma once

#include "tests/fuzz/byte_reader.h"

#include <cstddef>
#include <string>

namespace fuzz {

extern const char* const kAnchors[];
extern const size_t kAnchorCount;
extern const char* const kWords[];
extern const size_t kWordCount;

// Empties the host registry and builds the tree; reads the input up to an end operation.
void BuildRegistryTree(ByteReader& in);

}  // namespace fuzz
