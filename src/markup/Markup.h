// SPDX-License-Identifier: GPL-3.0-or-later
// The slash-code markup of the info lists: decoding, the height of a row, the width of its text, and
// the layout of one row as drawing operations against a font-metrics interface. The list widget
// only paints what this computes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

using TRgb = std::uint32_t; // 0xRRGGBB

struct TMarkupFont {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Size = 8; // points
    TRgb Color = 0x000000;

    bool operator==(const TMarkupFont&) const = default;
};

class IFontMetrics {
public:
    virtual ~IFontMetrics() = default;
    virtual int TextWidth(std::string_view text, const TMarkupFont& font) = 0;
    virtual int TextHeight(std::string_view text, const TMarkupFont& font) = 0;
};

// The code number of a three-character code ("/SB", any case), 0 when it is not a code.
int DecodeMarkupCode(std::string_view code);

// The height of a row: the base item height, grown by the largest enlargement of its font (or shrunk
// by a reduction before any text), plus 2 pixels for a framed row.
int MeasureItemHeight(std::string_view item, int itemHeight);

struct TMarkupWidth {
    int Width = 0;
    bool Raised = false; // the row holds a /P code, so its text sits one pixel higher
};

// The width of the text a row writes, codes interpreted, in `style` at the list's font size.
TMarkupWidth MarkupTextWidth(std::string_view text, const TMarkupFont& style, const TMarkupFont& listFont,
                             IFontMetrics& metrics);

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // Bottom is exclusive
};

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TTextOp {
    int X = 0, Y = 0; // top left of the text
    std::string Text;
    TMarkupFont Font;
};

// Frame lines: a polyline through the points, one pixel wide, whose last point is not painted.
struct TLineOp {
    std::vector<TPoint> Points;
    TRgb Color = 0;
};

struct TMarkupLayout {
    std::vector<TTextOp> Texts;
    std::vector<TLineOp> Lines;
    TRgb PenAfter = 0; // the frame colour the next row starts with
};

TMarkupLayout LayoutMarkupItem(std::string_view item, const TRect& rect, const TMarkupFont& listFont,
                               TRgb penBefore, IFontMetrics& metrics);

// The frame colour each row starts with: black for the first, then whatever /CT left. Computed once
// when the rows are set, so lines keep their colour however the list is scrolled or repainted.
std::vector<TRgb> StartPenColors(const std::vector<std::string>& items, TRgb listFontColor);

// The text of a row without its codes (doubled slashes as one slash).
std::string MarkupPlainText(std::string_view item);
// The same for a terminal: texts in different table cells are kept apart by two blanks, and
// trailing blanks are dropped.
std::string MarkupReadableText(std::string_view item);

} // namespace korvisel
