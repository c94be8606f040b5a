#include "tools/apstool/values.h"

#include "lib/exports/status.h"

#include <cstdio>

namespace apstool {

using halvora::LeafKind;

namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool Printable(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i)
        if (data[i] < 0x20 || data[i] > 0x7E) return false;
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits of a number in `base`, at most 32 bits; false on anything else.
bool ParseDigits(std::string_view text, unsigned base, uint32_t& out) {
    if (text.empty()) return false;
    uint64_t v = 0;
    for (char c : text) {
        int d = HexDigit(c);
        if (d < 0 || static_cast<unsigned>(d) >= base) return false;
        v = v * base + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull) return false;
    }
    out = static_cast<uint32_t>(v);
    return true;
}

bool ParseHexNumber(std::string_view text, uint32_t& out) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           ParseDigits(text.substr(2), 16, out);
}

void PutLe32(uint32_t v, std::vector<uint8_t>& out) {
    out = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
           static_cast<uint8_t>(v >> 24)};
}

bool ParseMac(std::string_view text, std::vector<uint8_t>& out) {
    if (text.size() != 17) return false;
    out.clear();
    for (size_t i = 0; i < 17; i += 3) {
        int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        if (i + 2 < 17 && text[i + 2] != ':' && text[i + 2] != '-') return false;
        out.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return true;
}

}  // namespace

std::string HexText(const uint8_t* data, size_t size) {
    std::string text = "hex:";
    char pair[3];
    for (size_t i = 0; i < size; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", data[i]);
        text += pair;
    }
    return text;
}

std::string FormatValue(LeafKind kind, const uint8_t* data, size_t size, ValueStyle style) {
    switch (kind) {
    case LeafKind::Int:
        if (size == 4) return std::to_string(static_cast<int32_t>(Le32(data)));
        break;
    case LeafKind::U32:
        if (size == 4) return std::to_string(Le32(data));
        break;
    case LeafKind::Truth:
        if (size == 4) return Le32(data) ? "1" : "0";
        break;
    case LeafKind::Mac:
        if (size == 6) {
            char text[18];
            std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", data[0], data[1],
                          data[2], data[3], data[4], data[5]);
            return text;
        }
        break;
    case LeafKind::Octets: {
        // A text that carries its terminating zero prints as the text.
        const size_t text = size > 0 && data[size - 1] == 0 ? size - 1 : size;
        if (style == ValueStyle::kHuman && Printable(data, text))
            return std::string(reinterpret_cast<const char*>(data), text);
        break;
    }
    case LeafKind::Raw: break;
    }
    return HexText(data, size);
}

bool ParseHexArg(std::string_view text, std::vector<uint8_t>& out) {
    if (text.substr(0, 4) != "hex:") return false;
    text.remove_prefix(4);
    if (text.size() % 2) return false;
    out.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return true;
}

bool ParseUint32(std::string_view text, uint32_t& out) {
    return ParseHexNumber(text, out) || ParseDigits(text, 10, out);
}

bool ParseInt32(std::string_view text, int32_t& out) {
    uint32_t v = 0;
    if (ParseHexNumber(text, v)) {
        out = static_cast<int32_t>(v);
        return true;
    }
    bool negative = !text.empty() && (text[0] == '-' || text[0] == '+');
    bool minus = negative && text[0] == '-';
    if (!ParseDigits(negative ? text.substr(1) : text, 10, v)) return false;
    if (v > (minus ? 0x80000000u : 0x7FFFFFFFu)) return false;
    out = minus ? static_cast<int32_t>(0u - v) : static_cast<int32_t>(v);
    return true;
}

bool ParseValue(LeafKind kind, std::string_view text, ValueBytes& out, std::string& error) {
    out = ValueBytes{};
    if (text == "null") {
        out.null = true;
        return true;
    }
    if (text.substr(0, 4) == "hex:") {
        if (ParseHexArg(text, out.bytes)) return true;
        error = "hex: needs pairs of hex digits";
        return false;
    }
    switch (kind) {
    case LeafKind::Int:
    case LeafKind::Truth: {
        int32_t v = 0;
        if (!ParseInt32(text, v)) break;
        PutLe32(static_cast<uint32_t>(v), out.bytes);
        return true;
    }
    case LeafKind::U32: {
        uint32_t v = 0;
        if (!ParseUint32(text, v)) break;
        PutLe32(v, out.bytes);
        return true;
    }
    case LeafKind::Mac:
        if (ParseMac(text, out.bytes)) return true;
        break;
    case LeafKind::Octets:
        out.bytes.assign(text.begin(), text.end());
        return true;
    case LeafKind::Raw: break;
    }
    static constexpr std::string_view kExpected[] = {
        "a 32-bit integer (decimal or 0x hex)", "an unsigned 32-bit integer (decimal or 0x hex)",
        "0 or 1", "a MAC address aa:bb:cc:dd:ee:ff", "text", "hex:BYTES"};
    error = "'" + std::string(text) + "' is not " +
            std::string(kExpected[static_cast<int>(kind)]);
    return false;
}

std::string StatusText(int32_t status) {
    return std::string(halvora::LookupStatus(status).name) + ' ' + std::to_string(status);
}

}  // namespace apstool
