// Rows of text printed as aligned columns or as tab-separated lines.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace apstool {

class TextTable {
public:
    explicit TextTable(std::vector<std::string> header = {}) : header_(std::move(header)) {}
    void Add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    bool empty() const { return rows_.empty(); }

    // Header first when there is one; columns two spaces apart, the last one not padded.
    void PrintAligned(std::ostream& out) const;
    // Rows only, cells joined by tabs.
    void PrintTsv(std::ostream& out) const;

private:
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace apstool
