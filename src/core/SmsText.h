// SPDX-License-Identifier: GPL-3.0-or-later
// The characters an SMS text may hold: the plain characters of the GSM 7-bit default alphabet.
#pragma once

#include <cstddef>
#include <string_view>

namespace korvisel {

// The most characters of a text the device keeps.
constexpr std::size_t SmsTextLimit = 10;

// The GSM 7-bit alphabet's positions, each holding its character when that is a plain one, else "{".
extern const char SmsCharTable[129];

bool IsSmsCharacter(char c);
bool IsSmsText(std::string_view text);

} // namespace korvisel
