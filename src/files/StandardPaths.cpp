// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/StandardPaths.h"

#include "files/FileIo.h"

#include <cstdlib>
#include <unistd.h>

namespace korvisel {
namespace {

std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
    if (const char* xdg = std::getenv(variable); xdg && *xdg)
        return std::string(xdg) + "/korvisel";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + fallbackBelowHome + "/korvisel";
}

} // namespace

std::string ProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0)
        return ".";
    path.resize(static_cast<std::size_t>(n));
    return ParentFolder(path);
}

std::string ShippedDataFolder() {
    return ParentFolder(ProgramFolder()) + "/share/korvisel";
}

std::string UserDataFolder() {
    return XdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string UserConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", "/.config");
}

} // namespace korvisel
