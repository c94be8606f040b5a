#include "molvex/adapter_state.h"

#include "molvex/handles.h"

#include <map>
#include <mutex>
#include <set>
#include <utility>

namespace molvex {

namespace {

std::mutex g_lock;
std::set<std::string> g_rebound;
std::map<std::pair<std::string, uint32_t>, uint32_t> g_positions;

}  // namespace

void MarkRebound(const std::string& instance) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_rebound.insert(FoldName(instance));
}

bool WasRebound(const std::string& instance) {
    std::lock_guard<std::mutex> guard(g_lock);
    return g_rebound.count(FoldName(instance)) != 0;
}

uint32_t SequencePosition(const std::string& instance, uint32_t oid) {
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_positions.find({FoldName(instance), oid});
    return it == g_positions.end() ? 0 : it->second;
}

void AdvanceSequence(const std::string& instance, uint32_t oid) {
    std::lock_guard<std::mutex> guard(g_lock);
    uint32_t& position = g_positions[{FoldName(instance), oid}];
    if (position < UINT32_MAX) ++position;
}

void ResetAdapterState() {
    std::lock_guard<std::mutex> guard(g_lock);
    g_rebound.clear();
    g_positions.clear();
}

}  // namespace molvex
