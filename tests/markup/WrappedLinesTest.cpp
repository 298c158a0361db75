// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/WrappedLines.h"

#include "FixedFont.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// At 8 points every character of the fixed font is 6 pixels wide: 60 pixels hold 10 characters.
TEST(WrappedLines, LinesBreakAtBlanksToFitTheWidth) {
    const struct {
        std::vector<std::string> lines;
        int width;
        std::vector<std::string> rows;
    } cases[] = {
        {{"short one"}, 60, {"short one"}},
        {{"one two three four"}, 60, {"one two", "three four"}},
        {{"first", "second line here"}, 60, {"first", "second", "line here"}},
        {{"unbreakableword and"}, 60, {"unbreakableword", "and"}},
        {{""}, 60, {""}},
        {{"one two three"}, 0, {"one two three"}},
        // Codes take no room: nine characters are written.
        {{"/SBbold/SN word"}, 55, {"/SBbold/SN word"}},
    };
    test::FixedFont metrics;
    const TMarkupFont font;
    for (const auto& c : cases)
        EXPECT_EQ(WrappedLines(c.lines, c.width, font, metrics), c.rows) << c.lines.front();
}

} // namespace
} // namespace korvisel
