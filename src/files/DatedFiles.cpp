// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DatedFiles.h"

#include "files/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <tuple>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
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

namespace {

// The number that the next `width` characters of `rest` write in digits, taken off `rest`.
std::optional<int> TakeDigits(std::string_view& rest, std::size_t width) {
    if (rest.size() < width)
        return std::nullopt;
    int value = 0;
    for (const char c : rest.substr(0, width)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    rest.remove_prefix(width);
    return value;
}

bool TakeDash(std::string_view& rest) {
    if (!rest.starts_with('-'))
        return false;
    rest.remove_prefix(1);
    return true;
}

// "-N" as WriteDatedFile adds it to a taken name (N from 2, no leading zero), taken off `rest`.
void TakeCount(std::string_view& rest) {
    if (!rest.starts_with('-'))
        return;
    const std::size_t end = std::min(rest.find_first_not_of("0123456789", 1), rest.size());
    const std::string_view digits = rest.substr(1, end - 1);
    const bool followed = end == rest.size() || rest[end] == '-' || rest[end] == '.';
    if (digits.empty() || digits.size() > 9 || digits.front() == '0' || digits == "1" || !followed)
        return;
    rest.remove_prefix(end);
}

std::chrono::system_clock::time_point ModifiedAt(const struct stat& st) {
    return std::chrono::system_clock::from_time_t(st.st_mtim.tv_sec) +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(
               std::chrono::nanoseconds(st.st_mtim.tv_nsec));
}

// Deletes the kind's oldest files beyond its newest `Keep`, the new file counted and never deleted.
void DeleteOldest(const std::string& folder, const TDatedKind& kind, const std::string& newName,
                  std::chrono::system_clock::time_point now) {
    struct Kept {
        std::chrono::system_clock::time_point When;
        std::string Name;
    };
    std::vector<Kept> kept;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::optional<TDatedName> dated = ParseDatedName(name, kind.Prefix);
        struct stat st {};
        if (name == newName || !dated || !kind.OwnEnding(dated->Ending) ||
            ::lstat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        kept.push_back({dated->When > now ? ModifiedAt(st) : dated->When, name});
    }
    ::closedir(dir);
    if (kept.size() + 1 <= kind.Keep)
        return;
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
        return std::tie(a.When, a.Name) < std::tie(b.When, b.Name);
    });
    const std::size_t excess = kept.size() + 1 - std::max<std::size_t>(kind.Keep, 1);
    for (std::size_t i = 0; i < excess; ++i)
        ::unlink((folder + "/" + kept[i].Name).c_str());
}

} // namespace

std::optional<TDatedName> ParseDatedName(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix))
        return std::nullopt;
    std::string_view rest = name.substr(prefix.size());
    const auto year = TakeDigits(rest, 4), month = TakeDigits(rest, 2), day = TakeDigits(rest, 2);
    if (!year || !month || !day || !TakeDash(rest))
        return std::nullopt;
    const auto hour = TakeDigits(rest, 2), minute = TakeDigits(rest, 2), second = TakeDigits(rest, 2);
    if (!hour || !minute || !second || !TakeDash(rest))
        return std::nullopt;
    const auto millis = TakeDigits(rest, 3);
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!millis || !date.ok() || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    TakeCount(rest);
    std::tm local{};
    local.tm_year = *year - 1900;
    local.tm_mon = *month - 1;
    local.tm_mday = *day;
    local.tm_hour = *hour;
    local.tm_min = *minute;
    local.tm_sec = *second;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    return TDatedName{std::chrono::system_clock::from_time_t(seconds) + std::chrono::milliseconds(*millis),
                      rest};
}

TResult<std::string> WriteDatedFile(const std::string& folder, const TDatedKind& kind,
                                    const std::string& suffix, std::span<const std::uint8_t> bytes,
                                    std::chrono::system_clock::time_point when) {
    if (const TResult<> made = MakeFolders(folder); !made.Ok())
        return TResult<std::string>::Failure(made.Reason());
    // Transfers on several ports end in the same millisecond: each file gets a name of its own.
    static std::mutex naming;
    const std::lock_guard lock(naming);
    const std::string prefix(kind.Prefix);
    std::string name = DatedFileName(prefix, suffix, when);
    for (int n = 2; ::access((folder + "/" + name).c_str(), F_OK) == 0; ++n)
        name = DatedFileName(prefix, "-" + std::to_string(n) + suffix, when);
    const std::string path = folder + "/" + name;
    if (const TResult<> written = WriteFileAtomically(path, bytes); !written.Ok())
        return TResult<std::string>::Failure(written.Reason());
    DeleteOldest(folder, kind, name, when);
    // Another program's rotation may have removed it meanwhile: a copy not on disk was not kept.
    if (::access(path.c_str(), F_OK) != 0)
        return TResult<std::string>::Failure(std::strerror(errno));
    return path;
}

} // namespace korvisel
