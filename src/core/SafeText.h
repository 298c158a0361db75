// SPDX-License-Identifier: GPL-3.0-or-later
// Text from outside (a file, a device) made safe to show on a terminal or in a window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvisel {

// Printable text as it is (ASCII and well-formed UTF-8), a backslash doubled, and every other byte
// as "\xNN": control bytes, C1 controls, the bidirectional controls that would reorder what follows
// them, and bytes that are no UTF-8. No control sequence reaches a terminal and nothing is hidden.
std::string EscapedText(std::string_view bytes);

// UTF-8 text with each bidirectional control (U+202E RIGHT-TO-LEFT OVERRIDE and its kind) shown as
// "<U+202E>", so that a value can never reorder what is printed after it.
std::string ShownBidiControls(std::string_view text);

// A value quoted back to the user: cut after `limit` characters with its length said, so that a
// huge value cannot flood an error message. Not escaped: the printer of the message escapes it.
std::string EchoedValue(std::string_view value, std::size_t limit = 80);

// The characters of UTF-8 text, as a limit given in characters counts them.
std::size_t Utf8Length(std::string_view text);

// The echoed value in double quotes, as messages about a file's values show it.
std::string QuotedValue(std::string_view value);

} // namespace korvisel
