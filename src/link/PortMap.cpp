// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortMap.h"

#include "core/AsciiText.h"
#include "files/FileIo.h"
#include "files/StandardPaths.h"

#include <cstdlib>
#include <sys/stat.h>

namespace korvisel {

std::string PortMapFolder() {
    if (const char* folder = std::getenv("KORVISEL_PORTS"); folder && *folder)
        return folder;
    return UserConfigFolder() + "/ports";
}

std::vector<std::string> PortWatchFolders() {
    const std::string map = PortMapFolder();
    std::vector<std::string> folders{"/dev", "/dev/serial", "/dev/serial/by-id", map};
    if (!IsFolder(map))
        folders.push_back(ParentFolder(map));
    return folders;
}

bool PortWatchNoticeMatters(const std::string& folder) {
    const std::string map = PortMapFolder();
    return folder != ParentFolder(map) || folder == map || IsFolder(map);
}

std::optional<int> PortNumberOfName(std::string_view name) {
    const std::string upper = AsciiUpper(name);
    const std::size_t com = upper.find("COM");
    if (com == std::string::npos)
        return std::nullopt;
    int number = 0;
    std::size_t i = com + 3;
    for (; i < upper.size() && upper[i] >= '0' && upper[i] <= '9' && number < 1000; ++i)
        number = number * 10 + (upper[i] - '0');
    if (i == com + 3)
        return std::nullopt;
    return number;
}

std::string DefaultPortPath(int n) {
    if (n >= 1 && n <= 4)
        return "/dev/ttyS" + std::to_string(n - 1);
    if (n >= 5 && n <= 12)
        return "/dev/ttyUSB" + std::to_string(n - 5);
    if (n >= 13 && n <= 16)
        return "/dev/ttyACM" + std::to_string(n - 13);
    return {};
}

std::optional<std::string> ResolvePortPath(std::string_view name) {
    if (name.starts_with("/"))
        return std::string(name);
    const auto number = PortNumberOfName(name);
    if (!number)
        return std::nullopt;
    const std::string entry = PortMapFolder() + "/COM" + std::to_string(*number);
    struct stat st {};
    if (::lstat(entry.c_str(), &st) == 0)
        return entry;
    const std::string fallback = DefaultPortPath(*number);
    if (fallback.empty())
        return std::nullopt;
    return fallback;
}

} // namespace korvisel
