// The machine-file loader: any text parses or is refused with a message; text that parses
// imports, and what the saver writes of the result parses again and imports to the same registry.
#include "lib/platform/host/host_control.h"
#include "tools/machine/machine_file.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    machine::ParsedMachine parsed;
    std::string error;
    if (!machine::Parse(text, parsed, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    HostRegistryReset();
    if (!machine::Apply(parsed, error)) return 0;
    std::string saved = machine::ExportMachine(parsed);

    machine::ParsedMachine again;
    if (!machine::Parse(saved, again, error)) {
        std::fprintf(stderr, "saved text does not parse: %s\n%s\n", error.c_str(), saved.c_str());
        std::abort();
    }
    HostRegistryReset();
    if (!machine::Apply(again, error)) std::abort();
    std::string resaved = machine::ExportMachine(again);
    if (resaved != saved) {
        std::fprintf(stderr, "save, load, save differs:\n%s\n---\n%s\n", saved.c_str(),
                     resaved.c_str());
        std::abort();
    }
    HostRegistryReset();
    return 0;
}
