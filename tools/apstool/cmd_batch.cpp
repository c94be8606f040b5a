// batch: one MIB, one request per input line, one fixed-format answer line per request. Every
// line is checked before the first runs, so a bad line writes nothing.
#include "tools/apstool/commands.h"
#include "tools/apstool/requests.h"
#include "tools/apstool/session.h"
#include "tools/apstool/standin.h"

#include <chrono>
#include <fstream>
#include <istream>
#include <ostream>
#include <thread>

namespace apstool {

namespace {

constexpr uint32_t kMaxSleepMs = 60000;

enum class Verb { kGet, kSet, kApply, kRefresh, kNotify, kSleep };

struct VerbSpec {
    std::string_view word;
    Verb verb;
    size_t minWords, maxWords;  // the verb included
};

constexpr VerbSpec kVerbs[] = {
    {"get", Verb::kGet, 2, 4},       {"set", Verb::kSet, 3, 4},
    {"apply", Verb::kApply, 2, 2},   {"refresh", Verb::kRefresh, 2, 2},
    {"notify", Verb::kNotify, 2, 2}, {"sleep", Verb::kSleep, 2, 2},
};

struct Line {
    Verb verb = Verb::kGet;
    Target target;
    std::optional<int32_t> length;
    std::vector<uint8_t> input;
    ValueBytes value;
    uint32_t number = 0;  // notify code, sleep milliseconds
};

// Words split at blanks; "double quotes" keep blanks in one word; '#' at a word's start ends it.
bool SplitWords(const std::string& text, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            ++i;
        } else if (text[i] == '#') {
            break;
        } else if (text[i] == '"') {
            size_t end = text.find('"', i + 1);
            if (end == std::string::npos) {
                error = "a quote is not closed";
                return false;
            }
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = text.find_first_of(" \t\r", i);
            if (end == std::string::npos) end = text.size();
            words.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return true;
}

// Decimal, or hex with or without 0x (status codes are written FD000004).
bool ParseCode(const std::string& text, uint32_t& out) {
    if (ParseUint32(text, out)) return true;
    Target t;
    if (!ParseTarget(text, t) || t.leaf) return false;
    out = t.id;
    return true;
}

bool ParseLine(const std::vector<std::string>& w, Line& line, std::string& error) {
    const VerbSpec* form = nullptr;
    for (const VerbSpec& v : kVerbs)
        if (v.word == w[0]) form = &v;
    if (!form) {
        error = "unknown request '" + w[0] + "' (get, set, apply, refresh, notify, sleep)";
        return false;
    }
    if (w.size() < form->minWords || w.size() > form->maxWords) {
        error = w[0] + (w.size() < form->minWords ? ": missing arguments" : ": too many arguments");
        return false;
    }
    line.verb = form->verb;
    switch (line.verb) {
    case Verb::kNotify:
        if (ParseCode(w[1], line.number)) return true;
        error = "notify: '" + w[1] + "' is not a status code";
        return false;
    case Verb::kSleep:
        if (ParseUint32(w[1], line.number) && line.number <= kMaxSleepMs) return true;
        error = "sleep: '" + w[1] + "' is not a number of milliseconds (at most " +
                std::to_string(kMaxSleepMs) + ")";
        return false;
    default: break;
    }
    if (!ParseTarget(w[1], line.target)) {
        error = "unknown leaf '" + w[1] + "' (a leaf name or a hex identifier)";
        return false;
    }
    auto parseLength = [&](const std::string& word) {
        int32_t n = 0;
        if (line.length || !ParseInt32(word, n) || n > kMaxLength) {
            error = "'" + word + "' is not a length (at most " + std::to_string(kMaxLength) + ")";
            return false;
        }
        line.length = n;
        return true;
    };
    if (line.verb == Verb::kGet) {
        for (size_t i = 2; i < w.size(); ++i) {
            if (w[i].compare(0, 4, "hex:") == 0) {
                if (!line.input.empty() || !ParseHexArg(w[i], line.input) ||
                    line.input.size() > kMaxLength) {
                    error = "'" + w[i] + "' is not hex:BYTES";
                    return false;
                }
            } else if (!parseLength(w[i])) {
                return false;
            }
        }
    } else if (line.verb == Verb::kSet) {
        std::string why;
        if (!ParseValue(line.target.Kind(), w[2], line.value, why)) {
            error = "value of " + line.target.Name() + ": " + why;
            return false;
        }
        if (w.size() > 3 && !parseLength(w[3])) return false;
    }
    return true;
}

std::string Result(int32_t status, uint32_t needed, uint32_t written) {
    return StatusText(status) + " needed=" + std::to_string(needed) +
           " written=" + std::to_string(written);
}

std::string RunLine(const Line& line, APS_MIB mib, const std::string& instance) {
    switch (line.verb) {
    case Verb::kGet: {
        Answer a = Read(mib, line.target, line.length.value_or(line.target.NaturalLength()),
                        line.input, false);
        std::string text = Result(a.status, a.needed, a.written);
        if (a.status == APS_OK)
            text += " value=" + FormatValue(line.target.Kind(), a.bytes.data(), a.bytes.size(),
                                            ValueStyle::kBatch);
        return text;
    }
    case Verb::kSet: {
        Answer a = Write(mib, line.target, line.value, line.length);
        return Result(a.status, a.needed, a.written);
    }
    case Verb::kApply: return Result(apsApply(mib, line.target.id), 0, 0);
    case Verb::kRefresh: return Result(apsRefreshMIB(mib, line.target.id), 0, 0);
    case Verb::kNotify:
        return Result(Notify(instance, line.number) ? APS_OK : APS_UNAVAILABLE, 0, 0);
    case Verb::kSleep:
        std::this_thread::sleep_for(std::chrono::milliseconds(line.number));
        return Result(APS_OK, 0, 0);
    }
    return Result(APS_UNAVAILABLE, 0, 0);
}

void PrintTrace(Context& ctx) {
    if (!ctx.trace()) return;
    for (const std::string& t : TakeTrace()) ctx.out() << t << '\n';
}

}  // namespace

int RunBatch(Context& ctx, const Args& args) {
    std::ifstream file;
    std::istream* in = &ctx.in();
    if (args.positional.size() > 1 && args.positional[1] != "-") {
        file.open(args.positional[1], std::ios::binary);
        if (!file) return ctx.BadInput("batch: cannot read " + args.positional[1]);
        in = &file;
    }
    std::vector<Line> lines;
    std::string text, error;
    std::vector<std::string> words;
    for (int number = 1; std::getline(*in, text); ++number) {
        Line line;
        if (!SplitWords(text, words, error) || (!words.empty() && !ParseLine(words, line, error)))
            return ctx.BadInput("batch line " + std::to_string(number) + ": " + error);
        if (!words.empty()) lines.push_back(std::move(line));
    }

    Mib mib;
    int code = kOk;
    const bool opened = mib.Open(ctx, args.positional[0], code);
    PrintTrace(ctx);
    if (!opened) return code;
    for (const Line& line : lines) {
        ctx.out() << RunLine(line, mib.handle(), mib.instance()) << '\n';
        PrintTrace(ctx);
    }
    return kOk;
}

}  // namespace apstool
