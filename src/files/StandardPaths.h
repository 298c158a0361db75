// The folders the program reads and writes besides the user's own files.
#pragma once

#include <string>

namespace korvisel {

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();
// $XDG_DATA_HOME/korvisel, or ~/.local/share/korvisel.
std::string UserDataFolder();
// $XDG_CONFIG_HOME/korvisel, or ~/.config/korvisel.
std::string UserConfigFolder();

} // namespace korvisel
