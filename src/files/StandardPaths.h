// SPDX-License-Identifier: GPL-3.0-or-later
// The folders the program reads and writes besides the user's own files.
#pragma once

#include <string>

namespace korvisel {

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();
// The data that comes with the program (language files, help): share/korvisel beside the folder of
// the program, which holds both installed (/usr/bin and /usr/share/korvisel) and in the build tree.
std::string ShippedDataFolder();
// $XDG_DATA_HOME/korvisel, or ~/.local/share/korvisel.
std::string UserDataFolder();
// $XDG_CONFIG_HOME/korvisel, or ~/.config/korvisel.
std::string UserConfigFolder();

} // namespace korvisel
