#include "launcher/setup_path.h"

#include <cstring>

namespace vornset2 {

bool SetupPathFor(std::string_view ownPath, char* out, std::size_t outBytes) {
    if (out == nullptr || outBytes == 0) return false;
    out[0] = '\0';

    std::size_t cut = ownPath.rfind('\\');
    std::size_t folderLength = cut == std::string_view::npos ? 0 : cut + 1;
    std::size_t total = folderLength + kSetupRelativePath.size();
    if (total >= outBytes) return false;

    if (folderLength > 0) std::memcpy(out, ownPath.data(), folderLength);
    std::memcpy(out + folderLength, kSetupRelativePath.data(), kSetupRelativePath.size());
    out[total] = '\0';
    return true;
}

}  // namespace vornset2
