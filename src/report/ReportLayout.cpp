#include "report/ReportLayout.h"

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

// UTF-8 to code points, with Latin and Cyrillic capitals folded to small letters; bytes that are no
// UTF-8 stand for themselves.
std::u32string Folded(std::string_view text) {
    std::u32string folded;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t c = b;
        std::size_t length = 1;
        if (b >= 0xC0 && b < 0xE0 && i + 1 < text.size()) {
            c = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            length = 2;
        } else if (b >= 0xE0 && b < 0xF0 && i + 2 < text.size()) {
            c = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            length = 3;
        }
        if ((c >= U'A' && c <= U'Z') || (c >= 0x410 && c <= 0x42F))
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        folded += c;
        i += length;
    }
    return folded;
}

} // namespace

std::vector<TRunRef> FindInReport(const std::vector<TReportPage>& pages, std::string_view query) {
    std::vector<TRunRef> found;
    const std::u32string wanted = Folded(query);
    if (wanted.empty())
        return found;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (std::size_t r = 0; r < pages[p].Runs.size(); ++r)
            if (Folded(pages[p].Runs[r].Text).find(wanted) != std::u32string::npos)
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
