// Reading interface lists through the exports, for the discovery tests.
#pragma once

#include "include/halvora.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace discovery_test {

// One listed adapter as the four name exports report it; "(null)" stands for a null answer.
struct Listed {
    std::string instance, friendly, manufacturer, service;
    bool operator==(const Listed&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Listed& l) {
    return out << "{" << l.instance << " | " << l.friendly << " | " << l.manufacturer << " | "
               << l.service << "}";
}

inline std::string Text(const char* s) { return s ? s : "(null)"; }

// A search handle closed when the test is done with it.
class Search {
public:
    Search(const InterfaceFilter* criteria, int32_t count)
        : list_(apsSearchInterface(criteria, count)) {}
    ~Search() { apsCloseHandle(list_); }
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    APS_INTERFACE_LIST Handle() const { return list_; }

    std::vector<Listed> Rows() const {
        std::vector<Listed> rows;
        int32_t count = apsGetInterfaceCount(list_);
        for (int32_t i = 0; i < count; ++i)
            rows.push_back({Text(apsGetInstanceName(list_, i)), Text(apsGetFriendlyName(list_, i)),
                            Text(apsGetIfMfg(list_, i)), Text(apsGetIfService(list_, i))});
        return rows;
    }

private:
    APS_INTERFACE_LIST list_;
};

// Rows of `rows` that `before` does not hold: what a loaded machine added to Wine's own keys
// (on the host `before` is always empty).
inline std::vector<Listed> Added(const std::vector<Listed>& rows,
                                 const std::vector<Listed>& before) {
    std::vector<Listed> added;
    for (const Listed& r : rows) {
        bool known = false;
        for (const Listed& b : before) known = known || b == r;
        if (!known) added.push_back(r);
    }
    return added;
}

}  // namespace discovery_test
