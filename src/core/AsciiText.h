// SPDX-License-Identifier: GPL-3.0-or-later
// Case rules of names that come from files and settings: only ASCII letters fold, as in the
// registry and INI names they stand for.
#pragma once

#include <string>
#include <string_view>

namespace korvisel {

char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiUpper(std::string_view s);
bool EqualNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);

} // namespace korvisel
