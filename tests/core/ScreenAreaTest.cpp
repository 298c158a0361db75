// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ScreenArea.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// A 1366x768 screen at scale 1.5 with a 32-pixel panel along its top: 910x490 from y = 22.
constexpr TScreenRect Laptop{0, 22, 910, 490};

TEST(ScreenArea, FramesAreBroughtInsideTheArea) {
    struct Case {
        const char* what;
        TScreenRect frame;
        TScreenRect fitted;
    };
    const Case cases[] = {
        {"inside stays", {100, 50, 600, 400}, {100, 50, 600, 400}},
        {"above the area moves down", {100, -67, 600, 400}, {100, 22, 600, 400}},
        {"left of the area moves right", {-300, 50, 600, 400}, {0, 50, 600, 400}},
        {"past the bottom right moves back", {800, 400, 600, 400}, {310, 112, 600, 400}},
        {"taller than the area shrinks to it", {0, -67, 1068, 945}, {0, 22, 910, 490}},
        {"remembered from a bigger screen", {1500, 900, 1800, 1000}, {0, 22, 910, 490}},
        {"wider only shrinks its width", {50, 40, 2000, 300}, {0, 40, 910, 300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitIntoArea(c.frame, Laptop), c.fitted) << c.what;
}

TEST(ScreenArea, NoScreenLeavesTheFrameAlone) {
    EXPECT_EQ(FitIntoArea({-40, -67, 1068, 945}, {}), (TScreenRect{-40, -67, 1068, 945}));
}

} // namespace
} // namespace korvisel
