// SPDX-License-Identifier: GPL-3.0-or-later
// The values the editor lets a user set where a device image can hold more. A file another program
// wrote may hold the rest; such a value is kept as it is and pointed out.
#pragma once

#include "core/PrjTypes.h"

#include <array>

namespace korvisel {

struct TSettableRange {
    int Low;
    int High;
    constexpr bool Holds(long long value) const { return value >= Low && value <= High; }
};

inline constexpr TSettableRange InputTimeRange{1, 255}; // half seconds
inline constexpr TSettableRange TestDaysRange{0, 30};
inline constexpr TSettableRange TestHoursRange{0, 23};
inline constexpr TSettableRange TestMinutesRange{0, 5}; // tens of minutes
inline constexpr TSettableRange PhoneReferenceRange{0, static_cast<int>(PhoneCount)};
// Audio parameters 1 to 4.
inline constexpr std::array<TSettableRange, 4> AudioRanges{{{0, 4}, {0, 4}, {0, 9}, {1, 9}}};

} // namespace korvisel
