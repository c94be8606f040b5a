#include "molvex/handles.h"

#include <map>

namespace molvex {

namespace {

struct Entry {
    std::string instance;
    NIOC_STATUS_HANDLER handler = nullptr;
    void* context = nullptr;
};

std::mutex g_lock;
std::map<NIOC_HANDLE, Entry> g_open;  // ordered by handle value, so in open order
NIOC_HANDLE g_last = 0;

}  // namespace

std::recursive_mutex& DeliveryLock() {
    static std::recursive_mutex lock;
    return lock;
}

std::string FoldName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

NIOC_HANDLE OpenHandle(const std::string& instance) {
    std::lock_guard<std::mutex> guard(g_lock);
    if (g_last == UINT32_MAX) return 0;
    NIOC_HANDLE h = ++g_last;
    g_open[h] = Entry{instance, nullptr, nullptr};
    return h;
}

bool CloseHandleOf(NIOC_HANDLE handle, std::string& instance) {
    std::lock_guard<std::recursive_mutex> delivery(DeliveryLock());
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_open.find(handle);
    if (it == g_open.end()) return false;
    instance = it->second.instance;
    g_open.erase(it);
    return true;
}

bool InstanceOf(NIOC_HANDLE handle, std::string& instance) {
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_open.find(handle);
    if (it == g_open.end()) return false;
    instance = it->second.instance;
    return true;
}

bool SetHandler(NIOC_HANDLE handle, NIOC_STATUS_HANDLER handler, void* context,
                std::string& instance) {
    std::lock_guard<std::recursive_mutex> delivery(DeliveryLock());
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_open.find(handle);
    if (it == g_open.end()) return false;
    it->second.handler = handler;
    it->second.context = handler ? context : nullptr;
    instance = it->second.instance;
    return true;
}

std::vector<Registration> HandlersOf(const std::string& instance) {
    std::vector<Registration> found;
    std::string folded = FoldName(instance);
    std::lock_guard<std::mutex> guard(g_lock);
    for (const auto& [handle, entry] : g_open)
        if (entry.handler && FoldName(entry.instance) == folded)
            found.push_back(Registration{handle, entry.handler, entry.context});
    return found;
}

bool StillRegistered(const Registration& r) {
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_open.find(r.handle);
    return it != g_open.end() && it->second.handler == r.handler &&
           it->second.context == r.context;
}

void ResetHandles() {
    std::lock_guard<std::recursive_mutex> delivery(DeliveryLock());
    std::lock_guard<std::mutex> guard(g_lock);
    g_open.clear();
}

}  // namespace molvex
