#include "tools/apstool/commands.h"

#include <algorithm>
#include <ostream>

namespace apstool {

namespace {

constexpr OptionSpec kListOptions[] = {
    {"--mfg", "TEXT", "manufacturer equals TEXT (any letter case)"},
    {"--desc", "TEXT", "friendly name equals TEXT"},
    {"--service", "TEXT", "driver service equals TEXT"},
    {"--tsv", "", "tab-separated: index, instance, name, manufacturer, service"},
};
constexpr OptionSpec kSetOptions[] = {
    {"--no-apply", "", "only cache the values in the MIB; do not apply them"},
};
constexpr OptionSpec kScanOptions[] = {
    {"--wait", "MS", "milliseconds between the scan request and reading the list (2000)"},
};

constexpr Command kCommands[] = {
    {"list", "[--mfg TEXT] [--desc TEXT] [--service TEXT] [--tsv]",
     "list the network adapters",
     "The filters form search criteria: the options given together make one criterion, and\n"
     "repeating an option starts the next one. An adapter is listed when it matches any\n"
     "criterion. Example: list --mfg broadcom --mfg \"ralink technology, corp.\"",
     kListOptions, 0, 0, RunList},
    {"ready", "ADAPTER", "tell whether an adapter is bound and ready, and whether it is wireless",
     "Exits with 0 when it is ready, 1 when not.", {}, 1, 1, RunReady},
    {"show", "[ADAPTER [LEAF|ID]]", "print every readable leaf of the MIB or of one subtree",
     "Without ADAPTER the first wireless adapter is shown. ID may name a subtree, for example\n"
     "0x48000000 (dot11mac) or 0x48204000 (the counters).",
     {}, 0, 2, RunShow},
    {"get", "ADAPTER LEAF|ID [LENGTH] [hex:BYTES]", "print one value",
     "LENGTH is the buffer size (default: 4 for int and u32, 6 for MAC, 256 otherwise);\n"
     "hex:BYTES fill the start of the buffer, for requests that carry input\n"
     "(get ADAPTER rawOidRequest 36 hex:0201010d asks the driver for its SSID).",
     {}, 2, 4, RunGet},
    {"set", "ADAPTER LEAF=VALUE... [--no-apply]", "change values, then apply them",
     "VALUE by the leaf's kind: int and u32 decimal (or 0x hex), truth 0 or 1, MAC\n"
     "aa:bb:cc:dd:ee:ff, octets as text; any kind also as hex:BYTES, or null for no buffer.\n"
     "Every value is checked before the first is set; the first failure stops the rest.",
     kSetOptions, 2, -1, RunSet},
    {"apply", "ADAPTER [LEAF|ID...]", "write changed values of the MIB or of subtrees (all: 0)",
     "", {}, 1, -1, RunApply},
    {"refresh", "ADAPTER [LEAF|ID...]", "re-read values from the adapter (all: 0)", "", {}, 1, -1,
     RunRefresh},
    {"scan", "[ADAPTER] [--wait MS]", "site survey: request a scan, wait, print the networks",
     "Prints SSID, BSSID, channel, signal, privacy and mode of every network in the adapter's\n"
     "BSSID list. A list whose records do not fit its buffer is printed up to the first bad\n"
     "record, with a warning, and the exit code is 1.",
     kScanOptions, 0, 1, RunScan},
    {"batch", "ADAPTER [FILE]", "run MIB requests line by line from FILE or standard input",
     "One MIB is opened for all lines; each line prints\n"
     "  <status name> <status> needed=<n> written=<n> [value=<value>]\n"
     "Lines:\n"
     "  get LEAF|ID [LENGTH] [hex:BYTES]   set LEAF|ID VALUE [LENGTH]\n"
     "  apply ID   refresh ID   notify CODE   sleep MS   # comment\n"
     "Values print by kind; octets and raw as hex:BYTES. Every line is checked before the\n"
     "first runs.",
     {}, 1, 2, RunBatch},
};

constexpr std::string_view kGlobalUsage =
    "usage: apstool [--machine FILE [--import]] [--trace] [--save-registry FILE] COMMAND [ARGS]";

constexpr std::string_view kGlobalHelp =
    "global options:\n"
    "  --machine FILE        run on the PC that FILE describes (machines/*.reg); on the host the\n"
    "                        default is the embedded example PC, on Windows the real registry\n"
    "  --import              allow --machine to write FILE into the Windows registry\n"
    "  --trace               print every request the Molvex stand-in received\n"
    "  --save-registry FILE  write the registry, as changed by the command, to FILE\n"
    "ADAPTER is an instance name as list prints it, or its index in the list.\n"
    "LEAF is a MIB leaf name in any letter case; ID an identifier in hex.\n"
    "apstool COMMAND --help tells more about one command.";

}  // namespace

bool Args::Has(std::string_view name) const { return Last(name) != nullptr; }

const std::string* Args::Last(std::string_view name) const {
    const std::string* found = nullptr;
    for (const auto& [option, value] : options)
        if (option == name) found = &value;
    return found;
}

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
    for (const Command& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

void PrintOverview(std::ostream& out) {
    size_t width = 0;
    for (const Command& c : kCommands) width = std::max(width, c.name.size());
    out << kGlobalUsage << "\n\ncommands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.name << std::string(width - c.name.size() + 2, ' ') << c.summary << '\n';
    out << '\n' << kGlobalHelp << '\n';
}

void PrintCommandHelp(std::ostream& out, const Command& command) {
    out << "usage: apstool " << command.name << ' ' << command.usage << "\n\n"
        << command.summary << ".\n";
    if (!command.details.empty()) out << '\n' << command.details << '\n';
    if (!command.options.empty()) {
        size_t width = 0;
        for (const OptionSpec& o : command.options)
            width = std::max(width, o.name.size() + (o.value.empty() ? 0 : o.value.size() + 1));
        out << "\noptions:\n";
        for (const OptionSpec& o : command.options) {
            std::string head(o.name);
            if (!o.value.empty()) head += ' ' + std::string(o.value);
            out << "  " << head << std::string(width - head.size() + 2, ' ') << o.help << '\n';
        }
    }
}

bool ParseArgs(const Command& command, const std::vector<std::string>& words, Args& out,
               bool& help, std::string& error) {
    out = Args{};
    help = false;
    bool optionsEnd = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (optionsEnd || w.size() < 2 || w.compare(0, 2, "--") != 0) {
            out.positional.push_back(w);
            continue;
        }
        if (w == "--") {
            optionsEnd = true;
            continue;
        }
        if (w == "--help") {
            help = true;
            return true;
        }
        std::string name = w, value;
        size_t eq = w.find('=');
        if (eq != std::string::npos) name = w.substr(0, eq);
        auto declared = std::find_if(command.options.begin(), command.options.end(),
                                 [&](const OptionSpec& o) { return o.name == name; });
        if (declared == command.options.end()) {
            error = std::string(command.name) + ": unknown option " + name;
            return false;
        }
        if (declared->value.empty()) {
            if (eq != std::string::npos) {
                error = std::string(command.name) + ": " + name + " takes no value";
                return false;
            }
        } else if (eq != std::string::npos) {
            value = w.substr(eq + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            error = std::string(command.name) + ": " + name + " needs " + std::string(declared->value);
            return false;
        }
        out.options.emplace_back(name, value);
    }
    const int count = static_cast<int>(out.positional.size());
    if (count < command.minArgs || (command.maxArgs >= 0 && count > command.maxArgs)) {
        error = std::string(command.name) + ": " +
                (count < command.minArgs ? "missing arguments" : "too many arguments") +
                "; usage: apstool " + std::string(command.name) + ' ' +
                std::string(command.usage);
        return false;
    }
    return true;
}

}  // namespace apstool
