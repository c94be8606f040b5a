// The library as the commands use it: interface lists, the adapter a command names, and MIBs,
// each handle closed when its owner goes.
#pragma once

#include "include/halvora.h"
#include "tools/apstool/context.h"

#include <string>
#include <string_view>
#include <vector>

namespace apstool {

// One search's answers, copied out of the list; a null answer is kept as absent.
struct AdapterRow {
    std::string instance, friendly, manufacturer, service;
    bool hasInstance = false, hasFriendly = false, hasManufacturer = false, hasService = false;
};

// Texts of one criterion; an empty text is not compared.
struct Criterion {
    std::string manufacturer, description, service;
};

// False when the library refused the search (it then printed nothing).
bool SearchAdapters(const std::vector<Criterion>& criteria, std::vector<AdapterRow>& rows);

// Starts the session, then finds the instance name an ADAPTER argument stands for: an instance
// name as listed, or an index into the list of every adapter; an empty argument picks the first
// wireless adapter. False: the reason was printed (exit code in `code`).
bool ResolveAdapter(Context& ctx, std::string_view arg, std::string& instance, int& code);

class Mib {
public:
    Mib() = default;
    ~Mib();
    Mib(const Mib&) = delete;
    Mib& operator=(const Mib&) = delete;

    // Resolves the ADAPTER argument (as ResolveAdapter) and opens its MIB. False: the reason was
    // printed, and `code` is the exit code to give.
    bool Open(Context& ctx, std::string_view adapter, int& code);
    APS_MIB handle() const { return handle_; }
    const std::string& instance() const { return instance_; }

private:
    APS_MIB handle_ = nullptr;
    std::string instance_;
};

}  // namespace apstool
