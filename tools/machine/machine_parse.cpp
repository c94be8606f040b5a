// The REGEDIT4 reader: sections, quoted texts, dword:, hex: and hex(N): values with line
// continuations, deletions and comments. Version 5.00 text is accepted too (UTF-16 files are
// narrowed, hex(2) and hex(7) data converted from UTF-16).
#include "tools/machine/machine_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace machine {

namespace {

constexpr long kMaxDepth = 512;

constexpr std::string_view kRoots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER",
                                       "HKEY_CLASSES_ROOT"};

struct Reader {
    std::vector<std::string> lines;
    size_t at = 0;
    std::string error;

    bool Fail(size_t line, const std::string& what) {
        error = "line " + std::to_string(line + 1) + ": " + what;
        return false;
    }
};

std::string Narrow(std::string_view text) {
    // UTF-16 LE with a byte-order mark: keep the low byte of each unit.
    if (text.size() >= 2 && uint8_t(text[0]) == 0xFF && uint8_t(text[1]) == 0xFE) {
        std::string out;
        for (size_t i = 2; i + 1 < text.size(); i += 2) out += text[i];
        return out;
    }
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") return std::string(text.substr(3));
    return std::string(text);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

// Reads a quoted text starting at s[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(const std::string& s, size_t& pos, std::string& out) {
    if (pos >= s.size() || s[pos] != '"') return false;
    ++pos;
    out.clear();
    while (pos < s.size()) {
        char c = s[pos++];
        if (c == '"') return true;
        if (c == '\\' && pos < s.size()) {
            char n = s[pos++];
            if (n == 'n') out += '\n';
            else if (n == 'r') out += '\r';
            else if (n == '0') out += '\0';
            else out += n;
        } else {
            out += c;
        }
    }
    return false;
}

bool ParseHexBytes(const std::string& s, std::vector<uint8_t>& out) {
    out.clear();
    std::string digits;
    auto flush = [&]() -> bool {
        if (digits.empty()) return true;
        if (digits.size() > 2) return false;
        out.push_back(static_cast<uint8_t>(std::stoul(digits, nullptr, 16)));
        digits.clear();
        return true;
    };
    for (char c : s) {
        if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits += c;
        } else if (c == ',') {
            if (digits.empty() || !flush()) return false;
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return flush();
}

std::vector<uint8_t> FromUtf16(const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) out.push_back(bytes[i]);
    return out;
}

// Parses the text after '=' of a value line; `more` supplies continuation lines.
bool ParseData(std::string rest, Reader& r, size_t lineNo, bool unicode, ValueChange& v) {
    rest = Trim(rest);
    if (rest == "-") {
        v.remove = true;
        return true;
    }
    if (!rest.empty() && rest[0] == '"') {
        size_t pos = 0;
        std::string text;
        if (!ReadQuoted(rest, pos, text) || !Trim(rest.substr(pos)).empty())
            return r.Fail(lineNo, "malformed text value");
        v.type = 1;
        v.data.assign(text.begin(), text.end());
        v.data.push_back(0);
        return true;
    }
    if (rest.rfind("dword:", 0) == 0) {
        std::string digits = Trim(rest.substr(6));
        if (digits.empty() || digits.size() > 8) return r.Fail(lineNo, "malformed dword value");
        for (char c : digits)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return r.Fail(lineNo, "malformed dword value");
        uint32_t n = static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
        v.type = 4;
        v.data = {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)};
        return true;
    }
    if (rest.rfind("hex", 0) == 0) {
        size_t colon = rest.find(':');
        if (colon == std::string::npos) return r.Fail(lineNo, "malformed hex value");
        std::string kind = rest.substr(3, colon - 3);
        uint32_t type = 3;
        if (!kind.empty()) {
            if (kind.size() < 3 || kind.front() != '(' || kind.back() != ')')
                return r.Fail(lineNo, "malformed hex type");
            std::string t = kind.substr(1, kind.size() - 2);
            for (char c : t)
                if (!std::isxdigit(static_cast<unsigned char>(c)))
                    return r.Fail(lineNo, "malformed hex type");
            if (t.empty() || t.size() > 8) return r.Fail(lineNo, "malformed hex type");
            type = static_cast<uint32_t>(std::stoul(t, nullptr, 16));
        }
        std::string bytes = rest.substr(colon + 1);
        // A trailing backslash continues the list on the next line.
        while (!Trim(bytes).empty() && Trim(bytes).back() == '\\') {
            bytes = Trim(bytes);
            bytes.pop_back();
            if (r.at >= r.lines.size()) return r.Fail(lineNo, "hex value continues past the end");
            bytes += r.lines[r.at++];
        }
        if (!ParseHexBytes(bytes, v.data)) return r.Fail(lineNo, "malformed hex bytes");
        if (unicode && (type == 2 || type == 7)) v.data = FromUtf16(v.data);
        v.type = type;
        return true;
    }
    return r.Fail(lineNo, "unknown value form");
}

bool ParseSection(const std::string& line, size_t lineNo, Reader& r, KeyChange& key) {
    if (line.back() != ']') return r.Fail(lineNo, "malformed section");
    std::string inner = line.substr(1, line.size() - 2);
    if (!inner.empty() && inner[0] == '-') {
        key.removeTree = true;
        inner = inner.substr(1);
    }
    size_t slash = inner.find('\\');
    std::string root = inner.substr(0, slash);
    if (root == "HKLM") root = "HKEY_LOCAL_MACHINE";
    if (root == "HKCU") root = "HKEY_CURRENT_USER";
    bool known = false;
    for (std::string_view k : kRoots) known = known || root == k;
    if (!known) return r.Fail(lineNo, "unknown root key '" + root + "'");
    key.root = root;
    key.path = slash == std::string::npos ? "" : inner.substr(slash + 1);
    // The registry nests keys at most 512 levels deep.
    if (std::count(key.path.begin(), key.path.end(), '\\') >= kMaxDepth)
        return r.Fail(lineNo, "key path deeper than 512 levels");
    if (key.removeTree && key.path.empty()) return r.Fail(lineNo, "cannot delete a root key");
    return true;
}

}  // namespace

bool Parse(std::string_view text, ParsedMachine& out, std::string& error) {
    Reader r;
    r.lines = SplitLines(Narrow(text));
    out.keys.clear();
    while (r.at < r.lines.size() && Trim(r.lines[r.at]).empty()) ++r.at;
    if (r.at >= r.lines.size()) {
        error = "empty machine file";
        return false;
    }
    std::string header = Trim(r.lines[r.at]);
    bool unicode = header == "Windows Registry Editor Version 5.00";
    if (header != "REGEDIT4" && !unicode) {
        error = "line " + std::to_string(r.at + 1) + ": not a REGEDIT4 file";
        return false;
    }
    ++r.at;
    ParsedMachine parsed;
    while (r.at < r.lines.size()) {
        size_t lineNo = r.at;
        std::string line = Trim(r.lines[r.at++]);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            KeyChange key;
            if (!ParseSection(line, lineNo, r, key)) break;
            parsed.keys.push_back(std::move(key));
            continue;
        }
        if (parsed.keys.empty()) {
            r.Fail(lineNo, "value outside a section");
            break;
        }
        if (parsed.keys.back().removeTree) {
            r.Fail(lineNo, "value in a deleted section");
            break;
        }
        ValueChange v;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!ReadQuoted(line, pos, v.name)) {
            r.Fail(lineNo, "malformed value name");
            break;
        }
        while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos]))) ++pos;
        if (pos >= line.size() || line[pos] != '=') {
            r.Fail(lineNo, "expected '=' after the value name");
            break;
        }
        if (!ParseData(line.substr(pos + 1), r, lineNo, unicode, v)) break;
        parsed.keys.back().values.push_back(std::move(v));
    }
    if (!r.error.empty()) {
        error = r.error;
        return false;
    }
    out = std::move(parsed);
    return true;
}

}  // namespace machine
