// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/MarkupRow.h"

#include "markup/FixedFont.h"
#include "markup/Markup.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvisel {
namespace {

// Every piece the builder writes must be a code the list knows, or it would show as text.
TEST(MarkupRow, WritesOnlyCodesTheListKnows) {
    const std::function<void(TMarkupRow&)> pieces[] = {
        [](TMarkupRow& r) { r.Smaller(1); },    [](TMarkupRow& r) { r.Smaller(9); },
        [](TMarkupRow& r) { r.Larger(0); },     [](TMarkupRow& r) { r.Larger(6); },
        [](TMarkupRow& r) { r.Bold(); },        [](TMarkupRow& r) { r.PlainStyle(); },
        [](TMarkupRow& r) { r.ListColor(); },   [](TMarkupRow& r) { r.FramesInTextColor(); },
        [](TMarkupRow& r) { r.Column(0); },     [](TMarkupRow& r) { r.Column(999); },
        [](TMarkupRow& r) { r.Nudge(+1); },     [](TMarkupRow& r) { r.Nudge(-1); },
        [](TMarkupRow& r) { r.Anchor(); },      [](TMarkupRow& r) { r.SwapEdges(); },
        [](TMarkupRow& r) { r.Cell(); },        [](TMarkupRow& r) { r.AlignLeft(); },
        [](TMarkupRow& r) { r.AlignCentre(); }, [](TMarkupRow& r) { r.CentreRow(); },
    };
    const auto allKnown = [](const std::string& row) {
        for (std::size_t at = 0; at < row.size(); at += 3)
            if (DecodeMarkupCode(std::string_view(row).substr(at, 3)) == 0)
                return false;
        return row.size() % 3 == 0;
    };
    for (std::size_t i = 0; i < std::size(pieces); ++i) {
        TMarkupRow row;
        pieces[i](row);
        EXPECT_TRUE(allKnown(row)) << i << ": " << std::string(row);
    }
    for (TMarkupColor c : {TMarkupColor::Blue, TMarkupColor::Gray, TMarkupColor::Navy, TMarkupColor::Maroon,
                           TMarkupColor::Teal, TMarkupColor::Red})
        EXPECT_TRUE(allKnown(Row().Color(c))) << static_cast<char>(c);
    for (TFrame f : {TFrame::SidesAndBottom, TFrame::Bottom, TFrame::SidesAndTop, TFrame::Sides, TFrame::Box,
                     TFrame::Top, TFrame::Nothing})
        EXPECT_TRUE(allKnown(Row().Frame(f))) << static_cast<char>(f);
}

std::vector<int> LineXs(const std::string& row) {
    test::FixedFont font;
    const TMarkupLayout layout = LayoutMarkupItem(row, {0, 0, 500, 16}, TMarkupFont{}, 0, font);
    std::vector<int> xs;
    for (const TLineOp& line : layout.Lines)
        for (const TPoint& p : line.Points)
            xs.push_back(p.X);
    return xs;
}

// The builder's names against what the list draws: edges land on the pixels named.
TEST(MarkupRow, EdgesLandWhereNamed) {
    struct Case {
        const char* what;
        std::string row;
        std::vector<int> xs;
    } cases[] = {
        {"a box between the edges", Row().Cell(410, 20).Frame(TFrame::Box), {20, 20, 410, 410, 20}},
        {"nudged a pixel right", Row().Cell(140, 20).Nudge(+1).Frame(TFrame::Box), {21, 21, 140, 140, 21}},
        {"swapped", Row().Cell(140, 20).SwapEdges().Frame(TFrame::Box), {140, 140, 20, 20, 140}},
        {"three digits", Row().Column(7).Anchor().Column(205).Frame(TFrame::Box), {205, 205, 7, 7, 205}},
        {"a frame without lines", Row().Cell(10, 20).Frame(TFrame::Nothing), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineXs(c.row), c.xs) << c.what;
}

TEST(MarkupRow, TextsKeepTheirPlaceAmongCodes) {
    const std::string row = Row().Bold().Text("  Caption").PlainStyle().Text(" value");
    EXPECT_EQ(MarkupPlainText(row), "  Caption value");
    EXPECT_EQ(MeasureItemHeight(std::string(Row().Smaller(9)), 16), 7);
}

} // namespace
} // namespace korvisel
