// The machine the tool runs on when no --machine is given on the host: machines/default.reg,
// compiled in at build time.
#pragma once

#include <string_view>

namespace apstool {

std::string_view DefaultMachine();

}  // namespace apstool
