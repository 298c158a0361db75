// SPDX-License-Identifier: GPL-3.0-or-later
// The list and picture colours on a dark desktop theme: a colour that would vanish into a dark
// background (navy headings, black table lines) is lightened until it reads; on a light background
// every colour stays as designed.
#pragma once

#include "markup/Markup.h"

namespace korvisel {

// WCAG's relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(TRgb color);
// WCAG's contrast ratio of two colours, 1 to 21.
double ContrastRatio(TRgb a, TRgb b);
// A background darker than the middle grey.
bool IsDarkBackground(TRgb background);

// `color` as drawn on `background`: unchanged on a light background or where it already stands out
// (a contrast of 4.5, as for text), else mixed toward white, its hue kept, until it does.
TRgb ReadableColor(TRgb color, TRgb background);

} // namespace korvisel
