#include "tools/apstool/machine_setup.h"

#include "tools/apstool/default_machine.h"

#ifdef _WIN32
#include "lib/platform/win32.h"
#endif

namespace apstool {

bool MachineSetup::Prepare(const std::string& file, bool import, Registry registry,
                           std::string& error) {
    std::string text;
    if (!file.empty()) {
#ifdef _WIN32
        if (!import) {
            error = "--machine writes " + file +
                    " into this computer's registry; add --import to allow it";
            return false;
        }
#else
        (void)import;
#endif
        if (!machine::ReadFile(file, text, error)) return false;
    } else if (registry == Registry::kProgram) {
#ifndef _WIN32
        text = std::string(DefaultMachine());
#endif
    }
    if (text.empty() && file.empty()) return true;
    std::string why;
    if (!machine::Parse(text, parsed_, why)) {
        error = "machine file " + (file.empty() ? std::string("(default)") : file) + ": " + why;
        return false;
    }
    text_ = std::move(text);
    have_ = true;
    return true;
}

bool MachineSetup::Start(std::string& error) {
    if (!have_) return true;
#ifdef _WIN32
    return machine::Apply(parsed_, error);
#else
    return loaded_.Load(text_, error);
#endif
}

std::string MachineSetup::Export() const {
#ifdef _WIN32
    // Without a machine file: the simulated drivers and the network adapters' driver keys.
    if (!have_)
        return machine::Export({"HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim",
                                "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class"
                                "\\{4D36E972-E325-11CE-BFC1-08002BE10318}"});
#endif
    return machine::ExportMachine(parsed_);
}

}  // namespace apstool
