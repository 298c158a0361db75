// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as rows of an info list: heights, widths, layouts and plain texts are computed without
// fault, and every row has its starting frame colour.
#include "markup/Markup.h"

#include <cstdlib>

namespace {

// Every byte as wide as the font is large, so that sizes reach the layout.
class ByteMetrics : public korvisel::IFontMetrics {
public:
    int TextWidth(std::string_view text, const korvisel::TMarkupFont& font) override {
        return static_cast<int>(text.size()) * font.Size;
    }
    int TextHeight(std::string_view, const korvisel::TMarkupFont& font) override { return font.Size * 2; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> rows;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        rows.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    ByteMetrics metrics;
    const TMarkupFont listFont;
    const std::vector<TRgb> pens = StartPenColors(rows, 0);
    if (pens.size() != rows.size())
        std::abort();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int height = MeasureItemHeight(rows[r], 13);
        MarkupTextWidth(rows[r], listFont, listFont, metrics);
        LayoutMarkupItem(rows[r], TRect{0, 0, 300, height}, listFont, pens[r], metrics);
        MarkupPlainText(rows[r]);
        MarkupReadableText(rows[r]);
    }
    return 0;
}
