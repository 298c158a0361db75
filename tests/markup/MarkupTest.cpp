// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/Markup.h"

#include "markup/FixedFont.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

const TRect Row{0, 0, 400, 16};
const TMarkupFont ListFont{};

TMarkupLayout Layout(std::string_view item, TRect rect = Row, TRgb pen = 0) {
    test::FixedFont font;
    return LayoutMarkupItem(item, rect, ListFont, pen, font);
}

std::vector<std::pair<int, std::string>> Texts(const TMarkupLayout& layout) {
    std::vector<std::pair<int, std::string>> texts;
    for (const TTextOp& t : layout.Texts)
        texts.emplace_back(t.X, t.Text);
    return texts;
}

TEST(Markup, DecodesCodesWithoutRegardToCase) {
    for (const char* code :
         {"/SB", "/sb", "/Z+", "/z9", "/d1", "/PR", "/pm", "/CT", "/nc", "/NZ", "/i-", "/AE"})
        EXPECT_NE(DecodeMarkupCode(code), 0) << code;
    for (const char* code : {"/NX", "/D0", "/PN", "/CU", "/AX", "/ZZ", "/ab", "/s", "abc"})
        EXPECT_EQ(DecodeMarkupCode(code), 0) << code;
    EXPECT_NE(DecodeMarkupCode("/sb"), DecodeMarkupCode("/si"));
}

TEST(Markup, RowHeights) {
    struct Case {
        const char* item;
        int height;
    } cases[] = {
        {"/nx/pm/ac/cb/z6/sbProject Information", 24},
        {"/d3", 13},
        {"/d9/i3/n6/p0/ic/i0/n2/p0/ie/pb", 9},
        {"/i1/n0/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/aeRepport Name/i1/n8/p0/ix/i+/prReport Type "
         "/i2/n9/p0/ix/i+/prPhone User/ix/i-/ix/pr/i3/n6/p0/ix/i+/prReport Mode/ix/i-/pr",
         18},
        {"plain text", 16},
        {"/z0abc", 16},
        {"/z1abc", 17},
        {"/z+abc", 17},
        {"/z-abc", 15},
        {"ab/z5cd", 21},   // an enlargement after text still grows the row
        {"/d3ab/z3", 16},  // a reduction before text shrinks it, until the text grows again
        {"ab/d3", 16},     // a reduction after text does not
        {"/z4/znabc", 16}, // back to the list's size
        {"/p5abc", 16},    // raised, but not framed
        {"a//b/d2", 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MeasureItemHeight(c.item, 16), c.height) << c.item;
}

TEST(Markup, HeaderRowRectanglesAndCentredTitles) {
    const TMarkupLayout layout =
        Layout("/i1/n0/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/aeRepport Name/i1/n8/p0/ix/i+/pr"
               "Report Type /i2/n9/p0/ix/i+/prPhone User/ix/i-/ix/pr/i3/n6/p0/ix/i+/pr"
               "Report Mode/ix/i-/pr",
               {0, 0, 400, 18});
    std::vector<std::pair<int, int>> rectangles;
    for (const TLineOp& line : layout.Lines) {
        ASSERT_EQ(line.Points.size(), 5u);
        rectangles.emplace_back(std::min(line.Points[0].X, line.Points[2].X),
                                std::max(line.Points[0].X, line.Points[2].X));
        EXPECT_EQ(line.Points[0].Y, 0);
        EXPECT_EQ(line.Points[1].Y, 17);
    }
    EXPECT_EQ(rectangles,
              (std::vector<std::pair<int, int>>{
                  {20, 100}, {21, 99}, {100, 180}, {181, 290}, {181, 289}, {290, 360}, {290, 359}}));
    // Titles centred between 21 and 99, 100 and 180, 181 and 290, 290 and 360 (6 pixels a character).
    EXPECT_EQ(Texts(layout),
              (std::vector<std::pair<int, std::string>>{{21 + (78 - 72) / 2, "Repport Name"},
                                                        {100 + (80 - 72) / 2, "Report Type "},
                                                        {181 + (109 - 60) / 2, "Phone User"},
                                                        {290 + (70 - 66) / 2, "Report Mode"}}));
    for (const TTextOp& t : layout.Texts)
        EXPECT_EQ(t.Y, 18 - 13 - 1) << "framed rows are raised by a pixel";
}

TEST(Markup, TableTopBorder) {
    const TMarkupLayout layout = Layout("/d9/i3/n6/p0/ic/i0/n2/p0/ie/pb", {0, 0, 400, 9});
    ASSERT_EQ(layout.Lines.size(), 1u);
    EXPECT_EQ(layout.Lines[0].Points, (std::vector<TPoint>{{360, 8}, {20, 8}, {360, 8}}));
}

TEST(Markup, TextPlacement) {
    struct Case {
        const char* item;
        std::vector<std::pair<int, std::string>> texts;
    } cases[] = {
        {"plain", {{0, "plain"}}},
        {"a//b", {{0, "a"}, {6, "/"}, {12, "b"}}},
        {"ab//", {{0, "ab"}, {12, "/"}}},
        {"ab/", {{0, "ab"}}},
        {"ab/x", {{0, "ab"}}},
        {"/acCD", {{(400 - 12) / 2 - 1, "CD"}}},
        {"ab/acCD", {{0, "ab"}, {12, "CD"}}}, // /AC after text has no effect
        {"/arAB", {{400 - 12 - 1, "AB"}}},
        {"/aeAB", {{0, "AB"}}}, // /AE outside a cell has no effect
        {"/i1/n0/p0/ic/i0/n2/p0/ieA/alB/idC", {{22, "A"}, {22, "B"}, {28, "C"}}},
        {"/i1/n0/p0/ic/i0/n2/p0/ie/aiAB", {{100 - 12 - 2, "AB"}}},
        {"/i1/n0/p0/ic/i0/n2/p0/ie/z4/aeABC", {{20 + (80 - 18) / 2, "ABC"}}}, // centred at the base size
    };
    for (const Case& c : cases)
        EXPECT_EQ(Texts(Layout(c.item)), c.texts) << c.item;
}

TEST(Markup, FontCodes) {
    const TMarkupLayout layout = Layout("/cr/sb/z2A/sn/cnB/z0/d1C/ci/su/nzD");
    ASSERT_EQ(layout.Texts.size(), 4u);
    EXPECT_EQ(layout.Texts[0].Font, (TMarkupFont{true, false, false, 10, 0xFF0000}));
    EXPECT_EQ(layout.Texts[1].Font, (TMarkupFont{false, false, false, 10, 0x000000}));
    EXPECT_EQ(layout.Texts[2].Font.Size, 9);
    EXPECT_EQ(layout.Texts[3].Font, (TMarkupFont{false, false, true, 8, 0xC0C0C0}));
    EXPECT_EQ(layout.Texts[0].Y, 16 - 15);
    EXPECT_EQ(Layout("/p5abc").Texts[0].Y, 16 - 13 - 1) << "any /P code raises the text";
}

TEST(Markup, FrameColourCarriesOverToLaterRows) {
    const std::vector<std::string> rows = {"/crred/ct", "/d9/ie/pb", "/ckgray/ct/", "/cn/ct ", "/pb"};
    EXPECT_EQ(StartPenColors(rows, 0x000000),
              (std::vector<TRgb>{0x000000, 0xFF0000, 0xFF0000, 0x808080, 0x000000}));
    EXPECT_EQ(Layout("/pb", Row, 0xFF0000).Lines[0].Color, 0xFF0000u);
    EXPECT_EQ(Layout("/ct/pb/cr/ct/pb", Row, 0x808080).PenAfter, 0xFF0000u);
}

TEST(Markup, PlainText) {
    EXPECT_EQ(MarkupPlainText("/sb  PIN code : /cr9481"), "  PIN code : 9481");
    EXPECT_EQ(MarkupPlainText("ON//OFF/"), "ON/OFF");
}

} // namespace
} // namespace korvisel
