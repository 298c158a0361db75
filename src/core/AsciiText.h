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

// Bytes from outside (a device's answer) made safe to show: printable ASCII as it is, a backslash
// doubled, every other byte as "\xNN", so no control sequence reaches a terminal or a window.
std::string EscapedText(std::string_view bytes);

} // namespace korvisel
