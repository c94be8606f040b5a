#include "tools/apstool/text_table.h"

#include <algorithm>
#include <ostream>

namespace apstool {

void TextTable::PrintAligned(std::ostream& out) const {
    std::vector<size_t> width;
    auto measure = [&](const std::vector<std::string>& row) {
        if (width.size() < row.size()) width.resize(row.size(), 0);
        for (size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
    };
    measure(header_);
    for (const auto& row : rows_) measure(row);
    auto print = [&](const std::vector<std::string>& row) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line += std::string(width[i] - row[i].size() + 2, ' ');
        }
        out << line << '\n';
    };
    if (!header_.empty()) print(header_);
    for (const auto& row : rows_) print(row);
}

void TextTable::PrintTsv(std::ostream& out) const {
    for (const auto& row : rows_) {
        for (size_t i = 0; i < row.size(); ++i) out << (i ? "\t" : "") << row[i];
        out << '\n';
    }
}

}  // namespace apstool
