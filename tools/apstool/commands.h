// The commands as one table of declarations: name, arguments, help and handler. Dispatch, argument
// checks and every --help text are read from it.
#pragma once

#include "tools/apstool/context.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace apstool {

struct OptionSpec {
    std::string_view name;   // "--tsv"
    std::string_view value;  // what follows it ("TEXT"), empty for a flag
    std::string_view help;
};

// A command's arguments split by its option table; options keep the order they were given in.
struct Args {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;

    bool Has(std::string_view name) const;
    const std::string* Last(std::string_view name) const;
};

struct Command {
    std::string_view name;
    std::string_view usage;    // what follows the name
    std::string_view summary;  // one line
    std::string_view details;  // the rest of its --help, may be empty
    std::span<const OptionSpec> options;
    int minArgs;
    int maxArgs;  // -1: no bound
    int (*run)(Context&, const Args&);
};

std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

void PrintOverview(std::ostream& out);
void PrintCommandHelp(std::ostream& out, const Command& command);

// False with the reason when an option is unknown, lacks its value, or the count of the other
// arguments is outside the command's bounds. "--help" is reported through `help`.
bool ParseArgs(const Command& command, const std::vector<std::string>& words, Args& out,
               bool& help, std::string& error);

// The handlers, one file per group of commands.
int RunList(Context& ctx, const Args& args);
int RunReady(Context& ctx, const Args& args);
int RunShow(Context& ctx, const Args& args);
int RunGet(Context& ctx, const Args& args);
int RunSet(Context& ctx, const Args& args);
int RunApply(Context& ctx, const Args& args);
int RunRefresh(Context& ctx, const Args& args);
int RunScan(Context& ctx, const Args& args);
int RunBatch(Context& ctx, const Args& args);

}  // namespace apstool
