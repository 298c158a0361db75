// SPDX-License-Identifier: GPL-3.0-or-later
// Which process holds a serial device open, as far as the system lets this user see.
#pragma once

#include <optional>
#include <string>

namespace korvisel {

// "1234 (minicom)" for the first process with `devicePath` among its open files; nothing when no
// process this user may look into holds it (another user's process stays unnamed).
std::optional<std::string> PortHolder(const std::string& devicePath);

} // namespace korvisel
