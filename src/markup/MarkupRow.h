// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one row of the info lists' slash-code markup by name, so that a panel says "a cell from 20
// to 140 with a box" instead of "/i1/n4/p0/ic/i0/n2/p0/ie/pr". Markup.cpp reads the codes back.
//
// A row keeps two edges, in pixels from its left: the moving edge, which Column and Nudge move, and
// the fixed edge, which Anchor drops where the moving edge is. Frames are drawn between the two.
#pragma once

#include <string>
#include <string_view>

namespace korvisel {

// The lines a frame draws between the fixed edge, the moving edge, the row's top and its bottom.
enum class TFrame : char {
    SidesAndBottom = 'a', // both edges and the bottom: a table row that continues upwards
    Bottom = 'b',         // the bottom only
    SidesAndTop = 'd',    // both edges and the top: a table row that continues downwards
    Sides = 'k',          // both edges only
    Box = 'r',            // all four sides
    Top = 't',            // the top only
    Nothing = 'm',        // no line, but the row is framed: two pixels taller, its text a pixel higher
};

// Text colours; Markup.cpp holds their values.
enum class TMarkupColor : char {
    Blue = 'b',
    Gray = 'd',
    Navy = 'h',
    Maroon = 'm',
    Teal = 'q',
    Red = 'r',
};

class TMarkupRow {
public:
    // Appended as it is: a caption from the text table, or a value already escaped for markup.
    TMarkupRow& Text(std::string_view text);
    // A text the user typed or the device keeps: its slashes are doubled so that none starts a code.
    TMarkupRow& Value(std::string_view text);
    // Another row's codes and texts, in order.
    TMarkupRow& Append(const TMarkupRow& piece);

    TMarkupRow& Smaller(int points);   // the font this many points (1..9) smaller; alone, a thin row
    TMarkupRow& Larger(int points);    // the font this many points (0..9) larger; the row grows
    TMarkupRow& Bold();                // bold from here on
    TMarkupRow& PlainStyle();          // the list's own style (not bold, italic or underlined)
    TMarkupRow& Color(TMarkupColor c); // texts in this colour from here on
    TMarkupRow& ListColor();           // texts in the list's own colour
    TMarkupRow& FramesInTextColor();   // frames from here on, in this row and the next, in the text colour

    TMarkupRow& Column(int x);               // the moving edge to x pixels (0..999)
    TMarkupRow& Nudge(int pixel);            // the moving edge one pixel right (+1) or left (-1)
    TMarkupRow& Anchor();                    // the fixed edge to where the moving edge is
    TMarkupRow& SwapEdges();                 // the fixed edge and the moving edge trade places
    TMarkupRow& Cell();                      // texts from here on sit in the cell between the two edges
    TMarkupRow& Cell(int fixed, int moving); // both edges placed, then Cell()
    TMarkupRow& AlignLeft();                 // a cell's texts start at its left edge
    TMarkupRow& AlignCentre();               // a cell's texts are centred in it
    TMarkupRow& CentreRow();                 // a row's text, outside cells, is centred in the list
    TMarkupRow& Frame(TFrame frame);         // draws the frame's lines

    operator std::string() const& { return text_; }
    operator std::string() && { return std::move(text_); }

private:
    TMarkupRow& Code(char group, char letter);
    std::string text_;
};

// `text` with its slashes doubled, so that it shows as it is.
std::string MarkupLiteral(std::string_view text);

inline TMarkupRow Row() {
    return {};
}

} // namespace korvisel
