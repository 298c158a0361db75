// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/ReadableColor.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(ReadableColor, DesignedColoursStayOnLightThemesAndReadOnDarkOnes) {
    constexpr TRgb White = 0xFFFFFF, Window = 0xEFEFEF, Dark = 0x2B2B2B, Black = 0x000000;
    struct Case {
        TRgb color;
        TRgb background;
        bool kept;
    } cases[] = {
        {0x000080, White, true},  // navy headings
        {0x000000, White, true},  // table lines
        {0xFFFF00, White, true},  // yellow: designed so, though pale on white
        {0x000080, Window, true}, //
        {0x000080, Dark, false},  //
        {0x000000, Dark, false},  //
        {0x800000, Black, false}, //
        {0xFFFF00, Dark, true},   // already reads
        {0xFFFFFF, Dark, true},   //
        {0xC0C0C0, Dark, true},   //
    };
    for (const Case& c : cases) {
        const TRgb shown = ReadableColor(c.color, c.background);
        EXPECT_EQ(shown == c.color, c.kept) << std::hex << c.color << " on " << c.background;
        if (IsDarkBackground(c.background)) {
            EXPECT_GE(ContrastRatio(shown, c.background), 4.5) << std::hex << c.color;
        }
    }
    // The hue is kept: navy lightens to a blue, not to a grey.
    const TRgb navy = ReadableColor(0x000080, Dark);
    EXPECT_GT(navy & 0xFF, (navy >> 16) & 0xFF);
    EXPECT_EQ(ReadableColor(0xFF000080, White), 0x000080u) << "bits above the colour are no colour";
}

TEST(ReadableColor, ContrastFollowsTheStandardsFormula) {
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
    EXPECT_TRUE(IsDarkBackground(0x2B2B2B));
    EXPECT_FALSE(IsDarkBackground(0xEFEFEF));
}

} // namespace
} // namespace korvisel
