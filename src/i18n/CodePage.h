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

} // namespace korvisel
