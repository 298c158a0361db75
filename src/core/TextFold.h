// SPDX-License-Identifier: GPL-3.0-or-later
// Searching text the way a user types it: without regard to the case of Latin and Cyrillic letters.
#pragma once

#include <string>
#include <string_view>

namespace korvisel {

// A Latin or Cyrillic capital (Ё included) as its small letter; any other character as it is.
char32_t FoldedCharacter(char32_t c);

// UTF-8 to code points, with Latin and Cyrillic capitals (Ё included) folded to small letters;
// bytes that are no UTF-8 stand for themselves.
std::u32string FoldedText(std::string_view text);

// Whether `text` holds `query`, both folded.
bool ContainsFolded(std::string_view text, std::string_view query);

} // namespace korvisel
