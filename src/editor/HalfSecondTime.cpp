// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/HalfSecondTime.h"

#include <algorithm>

namespace korvisel {

std::string WholeSecondsText(int halfSeconds) {
    return std::to_string(halfSeconds / 2);
}

std::string FractionText(int halfSeconds) {
    return halfSeconds % 2 != 0 ? "5" : "0";
}

int WithWholeSeconds(int halfSeconds, std::uint32_t seconds) {
    return 2 * static_cast<int>(std::min(seconds, MaxWholeSeconds)) + (halfSeconds & 1);
}

int WithFraction(int halfSeconds, std::string_view text, TEmptyFraction empty) {
    const bool half = text.empty() ? empty == TEmptyFraction::Half : text != "0";
    return 2 * (halfSeconds / 2) + (half ? 1 : 0);
}

int NonZeroTime(int halfSeconds) {
    return halfSeconds == 0 ? 1 : halfSeconds;
}

int StepHalfSeconds(int halfSeconds, bool up) {
    if (up)
        return halfSeconds < MaxHalfSeconds ? halfSeconds + 1 : halfSeconds;
    return halfSeconds > 1 ? halfSeconds - 1 : halfSeconds;
}

} // namespace korvisel
