// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and the screen area they may take: a window's frame brought inside the area the desktop
// leaves free, so that no title bar, menu or button ends up where the user cannot reach it.
#pragma once

namespace korvisel {

struct TScreenRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const TScreenRect&) const = default;
};

// The frame shrunk to the area where it is larger, then moved the least that puts it inside.
// An empty area (no screen known) leaves the frame as it is.
TScreenRect FitIntoArea(const TScreenRect& frame, const TScreenRect& area);

} // namespace korvisel
