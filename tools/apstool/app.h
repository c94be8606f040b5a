// The whole tool behind main(): global options, the machine, one command, the trace and the saved
// registry. Callable in-process, so tests run commands as a user would.
#pragma once

#include "tools/apstool/context.h"

#include <string>
#include <vector>

namespace apstool {

// kProgram: what the program does (on the host, the embedded machine unless --machine names
// another). kAsIs: the registry is left as the caller prepared it unless --machine is given.
enum class Registry { kProgram, kAsIs };

int Run(const std::vector<std::string>& args, Io io, Registry registry = Registry::kProgram);

}  // namespace apstool
