// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DatedFiles.h"

#include "files/FileIo.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <vector>

#include <dirent.h>
#include <unistd.h>

namespace korvisel {

std::string DatedFileName(const std::string& prefix, const std::string& suffix,
                          std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000;
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    char millis[8];
    std::snprintf(millis, sizeof millis, "-%03d", static_cast<int>(ms));
    return prefix + stamp + millis + suffix;
}

TResult<std::string> WriteDatedFile(const std::string& folder, const std::string& prefix,
                                    const std::string& suffix, std::span<const std::uint8_t> bytes,
                                    std::size_t keep, std::chrono::system_clock::time_point when) {
    if (const TResult<> made = MakeFolders(folder); !made.Ok())
        return TResult<std::string>::Failure(made.Reason());
    // Transfers on several ports end in the same millisecond: each file gets a name of its own.
    static std::mutex naming;
    const std::lock_guard lock(naming);
    std::string path = folder + "/" + DatedFileName(prefix, suffix, when);
    for (int n = 2; ::access(path.c_str(), F_OK) == 0; ++n)
        path = folder + "/" + DatedFileName(prefix, "-" + std::to_string(n) + suffix, when);
    if (const TResult<> written = WriteFileAtomically(path, bytes); !written.Ok())
        return TResult<std::string>::Failure(written.Reason());
    // The kind's files by name, which is by time; the user's other files there are left alone.
    const std::string ending =
        suffix.substr(suffix.rfind('.') == std::string::npos ? suffix.size() : suffix.rfind('.'));
    std::vector<std::string> kept;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string file = entry->d_name;
            if (file.starts_with(prefix) && file.ends_with(ending))
                kept.push_back(file);
        }
        ::closedir(dir);
    }
    std::sort(kept.begin(), kept.end());
    for (std::size_t i = 0; i + keep < kept.size(); ++i)
        ::unlink((folder + "/" + kept[i]).c_str());
    return path;
}

} // namespace korvisel
