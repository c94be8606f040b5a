// show, get, set, apply and refresh: one MIB opened for the command, closed when it ends.
#include "tools/apstool/commands.h"
#include "tools/apstool/requests.h"
#include "tools/apstool/session.h"
#include "tools/apstool/text_table.h"

#include <algorithm>
#include <ostream>

namespace apstool {

using halvora::Form;
using halvora::Leaf;

namespace {

// Reads whose request travels in the buffer: show has nothing to put there.
constexpr std::string_view kNeedsInput[] = {"rawOidRequest"};

// Long hex values are cut in show; get prints them whole.
constexpr size_t kShowBytes = 32;

bool Shown(const Leaf& leaf) {
    if (!leaf.Readable() || leaf.get == Form::None || leaf.get == Form::Absent) return false;
    return std::find(std::begin(kNeedsInput), std::end(kNeedsInput), leaf.name) ==
           std::end(kNeedsInput);
}

std::string ShowCell(const Target& target, const Answer& a) {
    if (a.status != APS_OK) {
        std::string text = "(" + std::string(halvora::LookupStatus(a.status).name);
        if (a.status == APS_BAD_ARGUMENT && a.needed != 0xFFFFFFFFu)
            text += ", needs " + std::to_string(a.needed) + " bytes";
        return text + ")";
    }
    std::string value = FormatValue(target.Kind(), a.bytes.data(), a.bytes.size(),
                                    ValueStyle::kHuman);
    if (value.compare(0, 4, "hex:") == 0 && a.bytes.size() > kShowBytes)
        value = HexText(a.bytes.data(), kShowBytes) + "... (" + std::to_string(a.bytes.size()) +
                " bytes)";
    return value;
}

bool ParseTargets(Context& ctx, const std::vector<std::string>& words, size_t first,
                  std::vector<Target>& targets, int& code) {
    for (size_t i = first; i < words.size(); ++i) {
        Target t;
        if (!ParseTarget(words[i], t)) {
            code = ctx.BadInput("unknown leaf '" + words[i] + "' (a leaf name or a hex identifier)");
            return false;
        }
        targets.push_back(t);
    }
    if (targets.empty()) targets.push_back(Target{});  // 0: the whole MIB
    return true;
}

std::string TargetLabel(const Target& t) { return t.id == 0 ? "all" : t.Name(); }

// apply and refresh: one status line per target; any failure makes the exit code 1.
int RunWalk(Context& ctx, const Args& args, int32_t(APS_CALL* walk)(APS_MIB, uint32_t)) {
    std::vector<Target> targets;
    int code = kOk;
    if (!ParseTargets(ctx, args.positional, 1, targets, code)) return code;
    Mib mib;
    if (!mib.Open(ctx, args.positional[0], code)) return code;
    for (const Target& t : targets) {
        int32_t status = walk(mib.handle(), t.id);
        ctx.out() << TargetLabel(t) << ": " << StatusText(status) << '\n';
        if (status != APS_OK) code = kFailed;
    }
    return code;
}

}  // namespace

int RunShow(Context& ctx, const Args& args) {
    Target subtree;
    if (args.positional.size() > 1 && !ParseTarget(args.positional[1], subtree))
        return ctx.BadInput("show: unknown leaf '" + args.positional[1] +
                            "' (a leaf name or a hex identifier)");
    std::vector<const Leaf*> leaves;
    if (subtree.leaf) {
        leaves.push_back(subtree.leaf);
    } else {
        for (const Leaf& leaf : halvora::LeavesUnder(subtree.id))
            if (Shown(leaf)) leaves.push_back(&leaf);
    }
    if (leaves.empty())
        return ctx.BadInput("show: no readable leaf under " + subtree.Name());

    Mib mib;
    int code = kOk;
    if (!mib.Open(ctx, args.positional.empty() ? "" : args.positional[0], code)) return code;
    TextTable table;
    for (const Leaf* leaf : leaves) {
        Target t{leaf->id, leaf};
        table.Add({std::string(leaf->name), ShowCell(t, Read(mib.handle(), t, t.NaturalLength(),
                                                              {}, true))});
    }
    ctx.out() << "adapter " << mib.instance() << '\n';
    table.PrintAligned(ctx.out());
    return kOk;
}

int RunGet(Context& ctx, const Args& args) {
    const std::vector<std::string>& p = args.positional;
    Target target;
    if (!ParseTarget(p[1], target))
        return ctx.BadInput("get: unknown leaf '" + p[1] + "' (a leaf name or a hex identifier)");
    if (target.leaf && !target.leaf->Readable())
        return ctx.BadInput("get: " + target.Name() + " is write-only");
    int32_t length = target.NaturalLength();
    bool lengthGiven = false;
    std::vector<uint8_t> input;
    for (size_t i = 2; i < p.size(); ++i) {
        if (p[i].compare(0, 4, "hex:") == 0) {
            if (!ParseHexArg(p[i], input) || input.size() > kMaxLength)
                return ctx.BadInput("get: '" + p[i] + "' is not hex:BYTES");
        } else if (!lengthGiven && ParseInt32(p[i], length) && length <= kMaxLength) {
            lengthGiven = true;
        } else {
            return ctx.BadInput("get: '" + p[i] + "' is not a length (at most " +
                                std::to_string(kMaxLength) + ") nor hex:BYTES");
        }
    }
    Mib mib;
    int code = kOk;
    if (!mib.Open(ctx, p[0], code)) return code;
    Answer a = Read(mib.handle(), target, length, input, !lengthGiven);
    if (a.status != APS_OK) return ctx.Failed("get " + target.Name() + ": " + Describe(a));
    ctx.out() << FormatValue(target.Kind(), a.bytes.data(), a.bytes.size(), ValueStyle::kHuman)
              << '\n';
    return kOk;
}

int RunSet(Context& ctx, const Args& args) {
    struct Assignment {
        Target target;
        std::string text;
        ValueBytes value;
    };
    std::vector<Assignment> assignments;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        const std::string& word = args.positional[i];
        size_t eq = word.find('=');
        if (eq == std::string::npos || eq == 0)
            return ctx.BadInput("set: '" + word + "' is not LEAF=VALUE");
        Assignment a;
        a.text = word.substr(eq + 1);
        if (!ParseTarget(word.substr(0, eq), a.target))
            return ctx.BadInput("set: unknown leaf '" + word.substr(0, eq) +
                                "' (a leaf name or a hex identifier)");
        if (a.target.leaf && !a.target.leaf->Writable())
            return ctx.BadInput("set: " + a.target.Name() + " is read-only");
        std::string error;
        if (!ParseValue(a.target.Kind(), a.text, a.value, error))
            return ctx.BadInput("set: value of " + a.target.Name() + ": " + error);
        assignments.push_back(std::move(a));
    }
    Mib mib;
    int code = kOk;
    if (!mib.Open(ctx, args.positional[0], code)) return code;
    // Every value is set before the first is applied; a refused one stops everything.
    for (const Assignment& a : assignments) {
        Answer answer = Write(mib.handle(), a.target, a.value);
        if (answer.status != APS_OK)
            return ctx.Failed("set " + a.target.Name() + "=" + a.text + ": " + Describe(answer));
    }
    const bool apply = !args.Has("--no-apply");
    for (const Assignment& a : assignments) {
        ctx.out() << a.target.Name() << " = " << a.text << ": set APS_OK 0";
        if (!apply) {
            ctx.out() << ", not applied\n";
            continue;
        }
        int32_t status = apsApply(mib.handle(), a.target.id);
        ctx.out() << ", apply " << StatusText(status)
                  << (status == APS_INVALID ? " (nothing to apply: sent when set)" : "") << '\n';
        // APS_INVALID: a leaf that reaches the adapter as it is set has nothing left to apply.
        if (status != APS_OK && status != APS_INVALID) code = kFailed;
    }
    return code;
}

int RunApply(Context& ctx, const Args& args) { return RunWalk(ctx, args, apsApply); }

int RunRefresh(Context& ctx, const Args& args) { return RunWalk(ctx, args, apsRefreshMIB); }

}  // namespace apstool
