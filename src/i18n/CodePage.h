// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of language files from the single-byte code page they were written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvisel {

bool IsValidUtf8(std::string_view bytes);

// Converts from a code page given as a number ("1251") or an iconv name ("KOI8-R"); nothing when the
// code page is unknown. Bytes the code page does not define become "?".
std::optional<std::string> ConvertToUtf8(std::string_view bytes, std::string_view codePage);

// The bytes a device text holds, shown as Latin-1 so that every byte has a character and survives
// a round trip.
std::string Latin1ToUtf8(std::string_view bytes);
// Nothing when the text has a character outside Latin-1 (or is not UTF-8).
std::optional<std::string> Utf8ToLatin1(std::string_view text);

} // namespace korvisel
