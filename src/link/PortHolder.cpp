// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortHolder.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace korvisel {
namespace {

bool IsNumber(const std::string& name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

std::string CommandName(const std::filesystem::path& process) {
    std::ifstream comm(process / "comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

std::optional<std::string> PortHolder(const std::string& devicePath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path device = fs::canonical(devicePath, error);
    if (error)
        return std::nullopt;
    const std::string self = std::to_string(::getpid());
    for (fs::directory_iterator p("/proc", error), end; !error && p != end; p.increment(error)) {
        const std::string pid = p->path().filename().string();
        if (!IsNumber(pid) || pid == self)
            continue;
        std::error_code unreadable;
        for (fs::directory_iterator fd(p->path() / "fd", unreadable); !unreadable && fd != end;
             fd.increment(unreadable)) {
            std::error_code gone;
            if (fs::read_symlink(fd->path(), gone) == device)
                return pid + " (" + CommandName(p->path()) + ")";
        }
    }
    return std::nullopt;
}

} // namespace korvisel
