// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/ReadableColor.h"

#include <algorithm>
#include <cmath>

namespace korvisel {
namespace {

constexpr double TextContrast = 4.5;

double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

unsigned Channel(TRgb color, int shift) {
    return (color >> shift) & 0xFF;
}

TRgb MixedTowardWhite(TRgb color, double share) {
    TRgb mixed = 0;
    for (int shift : {16, 8, 0}) {
        const double c = Channel(color, shift);
        mixed |= static_cast<TRgb>(std::lround(c + (255 - c) * share)) << shift;
    }
    return mixed;
}

} // namespace

double RelativeLuminance(TRgb color) {
    return 0.2126 * Linear(Channel(color, 16)) + 0.7152 * Linear(Channel(color, 8)) +
           0.0722 * Linear(Channel(color, 0));
}

double ContrastRatio(TRgb a, TRgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkBackground(TRgb background) {
    return RelativeLuminance(background) < 0.18;
}

TRgb ReadableColor(TRgb color, TRgb background) {
    color &= 0xFFFFFF;
    if (!IsDarkBackground(background) || ContrastRatio(color, background) >= TextContrast)
        return color;
    for (int step = 1; step < 10; ++step) {
        const TRgb lighter = MixedTowardWhite(color, step / 10.0);
        if (ContrastRatio(lighter, background) >= TextContrast)
            return lighter;
    }
    return 0xFFFFFF;
}

} // namespace korvisel
