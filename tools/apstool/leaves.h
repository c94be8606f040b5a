// Leaves and subtrees as a user names them: a catalogue name in any letter case, or an identifier
// in hex. The catalogue is the only source of names, kinds and access.
#pragma once

#include "lib/mib/catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace apstool {

struct Target {
    halvora::MibId id = 0;
    const halvora::Leaf* leaf = nullptr;  // null: an identifier the catalogue does not list

    std::string Name() const;  // the catalogue name, else 0x%08X
    // An identifier outside the catalogue is taken as raw bytes.
    halvora::LeafKind Kind() const { return leaf ? leaf->kind : halvora::LeafKind::Raw; }
    // The buffer a read uses by default: 4 for int and u32, 6 for MAC, 256 for octets and raw.
    int32_t NaturalLength() const;
};

// False when the text is neither a catalogue name nor 1 to 8 hex digits (0x optional).
bool ParseTarget(std::string_view text, Target& out);

}  // namespace apstool
