#include "tools/apstool/app.h"

#include "tools/apstool/commands.h"
#include "tools/apstool/machine_setup.h"
#include "tools/apstool/standin.h"
#include "tools/machine/machine_file.h"

#include <new>
#include <ostream>

namespace apstool {

namespace {

struct GlobalOptions {
    std::string machineFile;
    bool import = false;
    bool trace = false;
    std::string saveRegistry;
    bool help = false;
    size_t command = 0;  // index of the command word in args
};

bool ParseGlobal(const std::vector<std::string>& args, GlobalOptions& g, std::string& error) {
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) break;
        if (a == "--import") {
            g.import = true;
        } else if (a == "--trace") {
            g.trace = true;
        } else if (a == "--help") {
            g.help = true;
        } else if (a == "--machine" || a == "--save-registry") {
            if (i + 1 >= args.size()) {
                error = a + " needs a FILE";
                return false;
            }
            (a == "--machine" ? g.machineFile : g.saveRegistry) = args[++i];
        } else {
            error = "unknown option " + a + " (apstool --help lists the options)";
            return false;
        }
    }
    g.command = i;
    return true;
}

int RunCommand(const std::vector<std::string>& args, Io io, Registry registry) {
    GlobalOptions g;
    std::string error;
    if (!ParseGlobal(args, g, error)) {
        io.err << "apstool: " << error << '\n';
        return kBadInput;
    }
    if (g.command >= args.size()) {
        if (g.help) {
            PrintOverview(io.out);
            return kOk;
        }
        io.err << "apstool: no command given (apstool --help lists the commands)\n";
        return kBadInput;
    }
    std::string name = args[g.command];
    std::vector<std::string> words(args.begin() + g.command + 1, args.end());
    if (name == "help") {
        if (words.empty()) {
            PrintOverview(io.out);
            return kOk;
        }
        name = words[0];
        words = {"--help"};
    }
    const Command* command = FindCommand(name);
    if (!command) {
        io.err << "apstool: unknown command '" << name << "' (apstool --help lists the commands)\n";
        return kBadInput;
    }
    Args parsed;
    bool help = false;
    if (!ParseArgs(*command, words, parsed, help, error)) {
        io.err << "apstool: " << error << '\n';
        return kBadInput;
    }
    if (help || g.help) {
        PrintCommandHelp(io.out, *command);
        return kOk;
    }
    if (g.trace && !StandInPresent()) {
        io.err << "apstool: --trace needs the Molvex stand-in; the installed Molvex.dll has no "
                  "trace\n";
        return kBadInput;
    }

    MachineSetup setup;
    if (!setup.Prepare(g.machineFile, g.import, registry, error)) {
        io.err << "apstool: " << error << '\n';
        return kBadInput;
    }
    Context ctx(io, g.trace, [&] {
        std::string why;
        if (!setup.Start(why)) {
            io.err << "apstool: cannot load the machine: " << why << '\n';
            return false;
        }
        if (g.trace) ClearTrace();
        return true;
    });

    int code = command->run(ctx, parsed);

    if (g.trace && ctx.started())
        for (const std::string& line : TakeTrace()) io.out << line << '\n';
    if (!g.saveRegistry.empty() && ctx.started() && code != kBadInput) {
        if (!machine::SaveFile(g.saveRegistry, setup.Export(), error)) {
            io.err << "apstool: " << error << '\n';
            if (code == kOk) code = kFailed;
        }
    }
    return code;
}

}  // namespace

int Run(const std::vector<std::string>& args, Io io, Registry registry) {
    try {
        return RunCommand(args, io, registry);
    } catch (const std::bad_alloc&) {
        io.err << "apstool: out of memory\n";
        return kFailed;
    }
}

}  // namespace apstool
