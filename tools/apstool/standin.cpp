#include "tools/apstool/standin.h"

#include "molvex/molvex_control.h"

#ifdef _WIN32
#include "lib/platform/win32.h"
#endif

namespace apstool {

namespace {

using ReadTraceFn = int32_t(MOLVEX_CONTROL_CALL*)(char*, uint32_t, uint32_t*, int32_t);
using NotifyFn = uint32_t(MOLVEX_CONTROL_CALL*)(const char*, uint32_t);
using ClearTraceFn = void(MOLVEX_CONTROL_CALL*)(void);

struct Controls {
    ReadTraceFn readTrace = nullptr;
    NotifyFn notify = nullptr;
    ClearTraceFn clearTrace = nullptr;
};

#ifdef _WIN32
template <class Fn>
Fn Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
#endif

const Controls& Find() {
    static const Controls controls = [] {
        Controls c;
#ifdef _WIN32
        // halvora.dll has loaded it already; importing the controls would keep the tool from
        // starting beside a real library.
        if (HMODULE m = GetModuleHandleA("Molvex.dll")) {
            c.readTrace = Lookup<ReadTraceFn>(m, "MolvexSim_ReadTrace");
            c.notify = Lookup<NotifyFn>(m, "MolvexSim_Notify");
            c.clearTrace = Lookup<ClearTraceFn>(m, "MolvexSim_ClearTrace");
        }
#else
        c = {MolvexSim_ReadTrace, MolvexSim_Notify, MolvexSim_ClearTrace};
#endif
        return c;
    }();
    return controls;
}

}  // namespace

bool StandInPresent() {
    const Controls& c = Find();
    return c.readTrace && c.notify && c.clearTrace;
}

void ClearTrace() {
    if (StandInPresent()) Find().clearTrace();
}

std::vector<std::string> TakeTrace() {
    std::vector<std::string> lines;
    if (!StandInPresent()) return lines;
    std::string text;
    // The status thread may add lines between the size query and the copy: then ask again.
    for (int attempt = 0;; ++attempt) {
        uint32_t needed = 0;
        Find().readTrace(nullptr, 0, &needed, 0);
        if (needed == 0 || attempt == 8) return lines;
        text.assign(needed, '\0');
        if (Find().readTrace(text.data(), needed, &needed, 1)) break;
    }
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

bool Notify(const std::string& instance, uint32_t code) {
    if (!StandInPresent()) return false;
    Find().notify(instance.c_str(), code);
    return true;
}

}  // namespace apstool
