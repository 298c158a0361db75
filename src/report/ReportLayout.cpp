// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportLayout.h"

#include "core/TextFold.h"

namespace korvisel {
namespace {

// A cell's text keeps this far from its frame.
constexpr double CellPadding = 1.5;

std::string WithLineBreaks(std::string text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

void Place(TReportPage& page, const TTextItem& item, double dy,
           const std::function<std::string(std::string_view)>& value) {
    TMmRect rect = item.Rect.Moved(dy);
    if (item.Boxed) {
        page.Boxes.push_back(rect);
        rect = {rect.Left + CellPadding, rect.Top + CellPadding / 2, rect.Width - 2 * CellPadding,
                rect.Height - CellPadding};
    }
    if (!item.Content.empty())
        page.Runs.push_back({rect, ExpandVariables(item.Content, value), item.Style});
}

} // namespace

std::vector<TRunRef> FindInReport(const std::vector<TReportPage>& pages, std::string_view query) {
    std::vector<TRunRef> found;
    const std::u32string wanted = FoldedText(query);
    if (wanted.empty())
        return found;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (std::size_t r = 0; r < pages[p].Runs.size(); ++r)
            if (FoldedText(pages[p].Runs[r].Text).find(wanted) != std::u32string::npos)
                found.push_back({static_cast<int>(p), static_cast<int>(r)});
    return found;
}

std::string ExpandVariables(std::string_view content,
                            const std::function<std::string(std::string_view)>& value) {
    std::string text;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t open = content.find('[', at);
        const std::size_t close = open == std::string_view::npos ? open : content.find(']', open);
        if (close == std::string_view::npos) {
            text += content.substr(at);
            break;
        }
        text += content.substr(at, open - at);
        text += value(content.substr(open + 1, close - open - 1));
        at = close + 1;
    }
    return WithLineBreaks(std::move(text));
}

std::vector<TReportPage> LayoutReport(const TReportTemplate& report, const TVariableSource& variables,
                                      TRowCounts rows) {
    std::vector<TReportPage> pages;
    for (const TTemplatePage& source : report.Pages) {
        TReportPage page;
        page.Boxes = source.Boxes;
        page.Lines = source.Lines;
        const auto outside = [&variables](std::string_view name) { return variables(name, 0, 0); };
        for (const TTextItem& item : source.Texts)
            Place(page, item, 0, outside);
        for (const TBand& band : source.Bands) {
            const int count = band.Source == TRowSource::Inputs ? rows.Inputs : rows.Phones;
            for (int row = 0; row < count; ++row) {
                const auto inRow = [&variables, &band, row](std::string_view name) {
                    return band.Source == TRowSource::Inputs ? variables(name, row, 0)
                                                             : variables(name, 0, row);
                };
                for (const TTextItem& cell : band.Cells)
                    Place(page, cell, band.Top + row * band.RowHeight, inRow);
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace korvisel
