// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageLayout.h"

#include <algorithm>

namespace korvisel {

TTimeRowLayout TimeRowLayout(int widestLabel) {
    constexpr int Gap = 6;
    constexpr int MinLabelX = 8;
    constexpr int MaxEditShift = 20;
    TTimeRowLayout layout;
    if (TimeColumns::Label + widestLabel + Gap <= TimeColumns::Whole)
        return layout;
    layout.LabelX = TimeColumns::Whole - Gap - widestLabel;
    if (layout.LabelX < MinLabelX) {
        layout.EditShift = std::min(MinLabelX - layout.LabelX, MaxEditShift);
        layout.LabelX = MinLabelX;
    }
    return layout;
}

} // namespace korvisel
