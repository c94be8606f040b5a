#include "tools/apstool/leaves.h"

#include <cstdio>

namespace apstool {

using halvora::LeafKind;

std::string Target::Name() const {
    if (leaf) return std::string(leaf->name);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(id));
    return text;
}

int32_t Target::NaturalLength() const {
    switch (Kind()) {
    case LeafKind::Int:
    case LeafKind::U32:
    case LeafKind::Truth: return 4;
    case LeafKind::Mac: return 6;
    case LeafKind::Octets:
    case LeafKind::Raw: return 256;
    }
    return 256;
}

bool ParseTarget(std::string_view text, Target& out) {
    if (const halvora::Leaf* leaf = halvora::FindLeaf(text)) {
        out = {leaf->id, leaf};
        return true;
    }
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.remove_prefix(2);
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t id = 0;
    for (char c : digits) {
        int v = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (v < 0) return false;
        id = id << 4 | static_cast<uint32_t>(v);
    }
    out = {id, halvora::FindLeaf(id)};
    return true;
}

}  // namespace apstool
