// SPDX-License-Identifier: GPL-3.0-or-later
// Where a numbered port ("COM3", "\\.\COM3") is on this machine: an entry of the port map folder,
// else the usual device node for that number.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

constexpr int PortCount = 16;

// $KORVISEL_PORTS, else the "ports" folder of the user's configuration.
std::string PortMapFolder();

// The folders whose entries change when a serial device comes or goes: the device folder, the
// by-id links udev makes for adapters, and the port map folder; while that does not exist, its parent,
// so that a map folder made later is seen. Some may not exist yet.
std::vector<std::string> PortWatchFolders();

// Whether a change notice of a watched folder may mean that a port came or went. The map folder's
// parent also holds the settings file, which the program rewrites: its notices count only once they
// made the map folder.
bool PortWatchNoticeMatters(const std::string& folder);

// The number after the first "COM" of a port name (any case), or nothing.
std::optional<int> PortNumberOfName(std::string_view name);

// The device node for a port name. A name that is itself a path ("/dev/...") stands for itself;
// a name without a port number maps to nothing.
std::optional<std::string> ResolvePortPath(std::string_view name);

// The device node that port n uses when the port map has no entry for it.
std::string DefaultPortPath(int n);

} // namespace korvisel
