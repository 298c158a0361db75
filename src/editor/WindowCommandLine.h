// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line, read before Qt starts: its own options answered, Qt's own left
// to Qt, and anything else a usage error, said also where Qt could not start for want of a display.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

enum class TWindowCommand { Run, Help, Version, UsageError };

struct TWindowArguments {
    TWindowCommand Command = TWindowCommand::Run;
    std::optional<std::string> File; // the project to open at start
    std::string Problem;             // for a usage error: "--bogus: unknown option"
};

// The arguments after the program's name.
TWindowArguments ParseWindowArguments(const std::vector<std::string>& arguments);

} // namespace korvisel
