#include "molvex/trace.h"

#include <cstring>
#include <deque>
#include <mutex>

namespace molvex {

namespace {

// A long batch or a fuzz run must not grow the process without end: the oldest lines go first.
constexpr size_t kMaxLines = 100000;

std::mutex g_lock;
std::deque<std::string> g_lines;
uint64_t g_dropped = 0;

std::string TextLocked() {
    std::string text;
    if (g_dropped) text = "dropped " + std::to_string(g_dropped) + " earlier lines\n";
    for (const std::string& line : g_lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace

void TraceLine(std::string line) {
    std::lock_guard<std::mutex> guard(g_lock);
    if (g_lines.size() >= kMaxLines) {
        g_lines.pop_front();
        ++g_dropped;
    }
    g_lines.push_back(std::move(line));
}

std::string TraceText() {
    std::lock_guard<std::mutex> guard(g_lock);
    return TextLocked();
}

void ClearTrace() {
    std::lock_guard<std::mutex> guard(g_lock);
    g_lines.clear();
    g_dropped = 0;
}

bool CopyTrace(char* buffer, uint32_t length, uint32_t* needed, bool clear) {
    std::lock_guard<std::mutex> guard(g_lock);
    std::string text = TextLocked();
    uint64_t size = uint64_t(text.size()) + 1;
    if (needed) *needed = size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(size);
    if (!buffer || size > length) return false;
    std::memcpy(buffer, text.c_str(), size);
    if (clear) {
        g_lines.clear();
        g_dropped = 0;
    }
    return true;
}

std::string Hex8(uint32_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string s(8, '0');
    for (int i = 7; i >= 0; --i, v >>= 4) s[i] = digits[v & 0xF];
    return s;
}

std::string HexBytes(const uint8_t* bytes, uint32_t n) {
    static const char digits[] = "0123456789abcdef";
    if (!bytes || n == 0) return "-";
    std::string s;
    s.reserve(size_t(n) * 2);
    for (uint32_t i = 0; i < n; ++i) {
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 0xF];
    }
    return s;
}

}  // namespace molvex
