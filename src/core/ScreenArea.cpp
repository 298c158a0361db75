// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ScreenArea.h"

#include <algorithm>

namespace korvisel {

TScreenRect FitIntoArea(const TScreenRect& frame, const TScreenRect& area) {
    if (area.Width <= 0 || area.Height <= 0)
        return frame;
    TScreenRect fitted = frame;
    fitted.Width = std::clamp(frame.Width, 1, area.Width);
    fitted.Height = std::clamp(frame.Height, 1, area.Height);
    fitted.X = std::clamp(frame.X, area.X, area.X + area.Width - fitted.Width);
    fitted.Y = std::clamp(frame.Y, area.Y, area.Y + area.Height - fitted.Height);
    return fitted;
}

} // namespace korvisel
