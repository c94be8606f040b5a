// Where the registry a command works on comes from: the machine file --machine names, on the host
// the embedded default machine, or the registry as it is. Checked before the command runs,
// written when the command starts its session.
#pragma once

#include "tools/apstool/app.h"
#include "tools/machine/machine_file.h"

#include <string>

namespace apstool {

class MachineSetup {
public:
    // Reads and parses the machine; nothing is written. False with the reason.
    bool Prepare(const std::string& file, bool import, Registry registry, std::string& error);
    // Writes it into the registry: on the host for the tool's lifetime, on Windows for good (only
    // with --import, in a disposable installation such as a Wine prefix).
    bool Start(std::string& error);
    // The registry as REGEDIT4 text, for --save-registry.
    std::string Export() const;

private:
    bool have_ = false;
    std::string text_;
    machine::ParsedMachine parsed_;
#ifndef _WIN32
    machine::LoadedMachine loaded_;  // empties the process registry again when the tool ends
#endif
};

}  // namespace apstool
