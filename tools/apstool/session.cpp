#include "tools/apstool/session.h"

namespace apstool {

namespace {

void Take(const char* text, std::string& out, bool& has) {
    has = text != nullptr;
    out = has ? text : "";
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

bool AllDigits(std::string_view s) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool SearchAdapters(const std::vector<Criterion>& criteria, std::vector<AdapterRow>& rows) {
    std::vector<InterfaceFilter> filters;
    for (const Criterion& c : criteria)
        filters.push_back({OrNull(c.manufacturer), OrNull(c.description), OrNull(c.service)});
    APS_INTERFACE_LIST list = apsSearchInterface(filters.empty() ? nullptr : filters.data(),
                                                 static_cast<int32_t>(filters.size()));
    if (!list) return false;
    rows.clear();
    const int32_t count = apsGetInterfaceCount(list);
    for (int32_t i = 0; i < count; ++i) {
        AdapterRow r;
        Take(apsGetInstanceName(list, i), r.instance, r.hasInstance);
        Take(apsGetFriendlyName(list, i), r.friendly, r.hasFriendly);
        Take(apsGetIfMfg(list, i), r.manufacturer, r.hasManufacturer);
        Take(apsGetIfService(list, i), r.service, r.hasService);
        rows.push_back(std::move(r));
    }
    apsCloseHandle(list);
    return true;
}

bool ResolveAdapter(Context& ctx, std::string_view arg, std::string& instance, int& code) {
    if (!ctx.Start()) {
        code = kFailed;
        return false;
    }
    std::vector<AdapterRow> rows;
    if (!SearchAdapters({}, rows)) {
        code = ctx.Failed("the adapter search failed");
        return false;
    }
    if (arg.empty()) {
        for (const AdapterRow& r : rows) {
            int32_t wireless = 0;
            if (r.hasInstance && apsGetReady(r.instance.c_str(), &wireless) && wireless) {
                instance = r.instance;
                return true;
            }
        }
        code = ctx.Failed("no wireless adapter is ready (apstool list shows the adapters)");
        return false;
    }
    for (const AdapterRow& r : rows) {
        if (r.hasInstance && r.instance == arg) {
            instance = r.instance;
            return true;
        }
    }
    if (AllDigits(arg)) {
        size_t index = std::stoul(std::string(arg));
        if (index < rows.size() && rows[index].hasInstance) {
            instance = rows[index].instance;
            return true;
        }
    }
    code = ctx.BadInput("unknown adapter '" + std::string(arg) +
                        "' (apstool list shows the adapters)");
    return false;
}

Mib::~Mib() {
    if (handle_) apsCloseHandle(handle_);
}

bool Mib::Open(Context& ctx, std::string_view adapter, int& code) {
    if (!ResolveAdapter(ctx, adapter, instance_, code)) return false;
    handle_ = apsCreateMIB(instance_.c_str());
    if (handle_) return true;
    code = ctx.Failed("adapter '" + instance_ + "' has no MIB: it is not wireless, or not bound");
    return false;
}

}  // namespace apstool
