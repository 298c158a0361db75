// SPDX-License-Identifier: GPL-3.0-or-later
// Times counted in half seconds (1..255), edited as whole seconds 0..127 and a fraction digit "0" or
// "5".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvisel {

constexpr int MaxHalfSeconds = 255;
constexpr std::uint32_t MaxWholeSeconds = 127;

std::string WholeSecondsText(int halfSeconds);
std::string FractionText(int halfSeconds); // "5" for an odd count, else "0"

// The whole seconds became `seconds`; the half second is kept.
int WithWholeSeconds(int halfSeconds, std::uint32_t seconds);

// What an emptied fraction edit stands for: the reaction time reads it as "0", the restore and
// lockout times as "5".
enum class TEmptyFraction { Zero, Half };
// The fraction edit now shows `text`: "0" drops the half second, anything else adds it.
int WithFraction(int halfSeconds, std::string_view text, TEmptyFraction empty);

// The shortest time is half a second: 0 becomes 1.
int NonZeroTime(int halfSeconds);

// One press of an up-down: a half second more up to 255, or less down to 1.
int StepHalfSeconds(int halfSeconds, bool up);

} // namespace korvisel
