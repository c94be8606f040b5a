// list and ready: the adapters the library finds, and whether one of them is usable.
#include "tools/apstool/commands.h"
#include "tools/apstool/session.h"
#include "tools/apstool/text_table.h"

#include <ostream>

namespace apstool {

namespace {

// Options given together form one criterion; repeating one starts the next.
bool BuildCriteria(Context& ctx, const Args& args, std::vector<Criterion>& criteria, int& code) {
    Criterion current;
    bool any = false;
    for (const auto& [option, value] : args.options) {
        std::string* field = option == "--mfg"       ? &current.manufacturer
                             : option == "--desc"    ? &current.description
                             : option == "--service" ? &current.service
                                                     : nullptr;
        if (!field) continue;
        if (value.empty()) {
            code = ctx.BadInput("list: " + option + " needs a text that is not empty");
            return false;
        }
        if (!field->empty()) {
            criteria.push_back(current);
            current = Criterion{};
        }
        *field = value;
        any = true;
    }
    if (any) criteria.push_back(current);
    return true;
}

std::string OrNull(bool has, const std::string& text) { return has ? text : "(null)"; }

}  // namespace

int RunList(Context& ctx, const Args& args) {
    std::vector<Criterion> criteria;
    int code = kOk;
    if (!BuildCriteria(ctx, args, criteria, code)) return code;
    if (!ctx.Start()) return kFailed;
    std::vector<AdapterRow> rows;
    if (!SearchAdapters(criteria, rows)) return ctx.Failed("list: the adapter search failed");

    const bool tsv = args.Has("--tsv");
    TextTable table(tsv ? std::vector<std::string>{}
                        : std::vector<std::string>{"#", "INSTANCE", "NAME", "MANUFACTURER",
                                                   "SERVICE"});
    for (size_t i = 0; i < rows.size(); ++i) {
        const AdapterRow& r = rows[i];
        table.Add({std::to_string(i), OrNull(r.hasInstance, r.instance),
                   OrNull(r.hasFriendly, r.friendly), OrNull(r.hasManufacturer, r.manufacturer),
                   OrNull(r.hasService, r.service)});
    }
    if (tsv)
        table.PrintTsv(ctx.out());
    else if (rows.empty())
        ctx.out() << "no adapter found\n";
    else
        table.PrintAligned(ctx.out());
    return kOk;
}

int RunReady(Context& ctx, const Args& args) {
    std::string instance;
    int code = kOk;
    if (!ResolveAdapter(ctx, args.positional[0], instance, code)) return code;
    int32_t wireless = 0;
    if (!apsGetReady(instance.c_str(), &wireless)) {
        ctx.out() << instance << ": not ready\n";
        return kFailed;
    }
    ctx.out() << instance << ": ready, " << (wireless ? "wireless" : "not wireless") << '\n';
    return kOk;
}

}  // namespace apstool
