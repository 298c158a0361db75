// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration report as data: an A4 portrait sheet of two pages whose texts name variables in
// square brackets ("[SERIAL]"), with boxes, rules and two bands repeated per input and per phone.
// Positions are millimetres from the top left corner of the sheet.
#pragma once

#include <string>
#include <vector>

namespace korvisel {

struct TMmRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool Intersects(const TMmRect& other) const {
        return Left < other.Right() && other.Left < Right() && Top < other.Bottom() && other.Top < Bottom();
    }
    bool Contains(const TMmRect& other) const {
        return other.Left >= Left && other.Top >= Top && other.Right() <= Right() &&
               other.Bottom() <= Bottom();
    }
    TMmRect Moved(double dy) const { return {Left, Top + dy, Width, Height}; }
};

struct TMmLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

enum class TTextAlign { Left, Center, Right };

struct TTextStyle {
    double Points = 11;
    bool Bold = false;
    TTextAlign Align = TTextAlign::Left;
    bool Wrap = false; // long text breaks into lines within its rectangle
};

struct TTextItem {
    TMmRect Rect;
    std::string Content; // literal text with [VARIABLE] references
    TTextStyle Style;
    bool Boxed = false; // a frame around the rectangle, as in a table cell
};

// The rows a band repeats over.
enum class TRowSource { Inputs, Phones };

struct TBand {
    TRowSource Source = TRowSource::Inputs;
    double Top = 0;
    double RowHeight = 0;
    std::vector<TTextItem> Cells; // their tops are measured from the row's top
};

struct TTemplatePage {
    std::vector<TTextItem> Texts;
    std::vector<TMmRect> Boxes;
    std::vector<TMmLine> Lines;
    std::vector<TBand> Bands;
};

struct TReportTemplate {
    double PageWidth = 210;
    double PageHeight = 297;
    double Margin = 15; // nothing is placed closer to the sheet's edge
    std::vector<TTemplatePage> Pages;

    TMmRect PrintableArea() const {
        return {Margin, Margin, PageWidth - 2 * Margin, PageHeight - 2 * Margin};
    }
};

// The two pages: the cover with the print data, and the settings sheet.
const TReportTemplate& ConfigurationReport();

} // namespace korvisel
