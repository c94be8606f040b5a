// Where the launcher finds the setup program: the sub-folder "vornset2" beside its own file.
#pragma once

#include <cstddef>
#include <string_view>

namespace vornset2 {

// The launcher reads its own path into this many bytes, terminator included.
inline constexpr std::size_t kOwnPathBytes = 256;

inline constexpr std::string_view kSetupRelativePath = "vornset2\\setup.exe";

// Room for the setup path of any own path that fits kOwnPathBytes, terminator included.
inline constexpr std::size_t kSetupPathBytes = kOwnPathBytes + kSetupRelativePath.size();

// Writes the folder of ownPath (everything up to and including its last backslash) followed by
// kSetupRelativePath, NUL-terminated, into out. A path without a backslash has no folder, so
// the result is the relative path alone. Returns false, with out empty when it has room for a
// terminator, when the result with its terminator does not fit outBytes; never writes past it.
bool SetupPathFor(std::string_view ownPath, char* out, std::size_t outBytes);

}  // namespace vornset2
