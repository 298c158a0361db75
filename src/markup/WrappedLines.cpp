// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/WrappedLines.h"

namespace korvisel {

std::vector<std::string> WrappedLines(const std::vector<std::string>& lines, int width,
                                      const TMarkupFont& listFont, IFontMetrics& metrics) {
    if (width <= 0)
        return lines;
    const auto fits = [&](const std::string& row) {
        return MarkupTextWidth(row, listFont, listFont, metrics).Width <= width;
    };
    std::vector<std::string> rows;
    for (const std::string& line : lines) {
        std::string row;
        std::size_t at = 0;
        while (at <= line.size()) {
            const std::size_t blank = std::min(line.find(' ', at), line.size());
            const std::string word = line.substr(at, blank - at);
            std::string longer = row.empty() ? word : row + ' ' + word;
            if (!row.empty() && !fits(longer)) {
                rows.push_back(std::move(row));
                longer = word;
            }
            row = std::move(longer);
            at = blank + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace korvisel
