// Machine files: REGEDIT4 text that describes a whole PC (its Windows version, its adapters'
// registry keys and its simulated drivers). The loader imports one into the registry (the host
// emulation, or the real registry on Windows); the saver writes registry keys back in the same
// format. Not part of halvora.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace machine {

// One parsed change: a key to create (with values to set or delete) or a key tree to delete.
struct ValueChange {
    std::string name;  // "" is the unnamed value
    bool remove = false;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

struct KeyChange {
    std::string root;  // HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or HKEY_CLASSES_ROOT
    std::string path;  // below the root, backslash separated
    bool removeTree = false;
    std::vector<ValueChange> values;
};

struct ParsedMachine {
    std::vector<KeyChange> keys;
};

// Parses the whole text first; on a malformed line nothing is returned and `error` names the line
// and the fault.
bool Parse(std::string_view text, ParsedMachine& out, std::string& error);

// Applies parsed changes to the registry. Returns false with a message when a write fails.
bool Apply(const ParsedMachine& machine, std::string& error);

// Parse and apply; nothing is written when the text is malformed.
bool Import(std::string_view text, std::string& error);
bool ImportFile(const std::string& path, std::string& error);

// REGEDIT4 text of the keys below each root path (for example "HKEY_LOCAL_MACHINE\\SOFTWARE"),
// every key as a section in enumeration order, values in enumeration order.
std::string Export(const std::vector<std::string>& roots);
// The whole of HKEY_LOCAL_MACHINE on the host; on Windows the keys a machine file named.
std::string ExportMachine(const ParsedMachine& loaded);
bool SaveFile(const std::string& path, const std::string& text, std::string& error);

bool ReadFile(const std::string& path, std::string& text, std::string& error);

// A machine loaded for the lifetime of the object. On the host the process registry is emptied
// first and again at the end; on Windows the keys and values the file created are removed and the
// values it overwrote restored, so a test leaves the registry as it found it.
class LoadedMachine {
public:
    LoadedMachine();
    ~LoadedMachine();
    LoadedMachine(const LoadedMachine&) = delete;
    LoadedMachine& operator=(const LoadedMachine&) = delete;

    bool Load(std::string_view text, std::string& error);
    bool LoadFile(const std::string& path, std::string& error);
    void Unload();
    const ParsedMachine& Parsed() const { return parsed_; }

private:
    struct Undo;
    ParsedMachine parsed_;
    std::vector<std::unique_ptr<Undo>> undo_;
    bool loaded_ = false;
};

}  // namespace machine
