// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BackupList.h"

#include "core/PrjTypes.h"
#include "files/ProjectFile.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace korvisel {
namespace {

constexpr std::string_view Prefix = "backup-";

bool Digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "backup-YYYYmmdd-HHMMSS-mmm[-N]-<kind>[-<port>].KV690", as the backups are written; nothing for
// any other name.
std::optional<TBackupEntry> FromName(const std::string& name) {
    const std::string_view extension = ProjectFileExtension;
    if (!name.starts_with(Prefix) || !name.ends_with(extension))
        return std::nullopt;
    std::string_view rest(name);
    rest.remove_prefix(Prefix.size());
    rest.remove_suffix(extension.size());
    std::vector<std::string_view> parts;
    for (std::size_t dash; (dash = rest.find('-')) != std::string_view::npos; rest.remove_prefix(dash + 1))
        parts.push_back(rest.substr(0, dash));
    parts.push_back(rest);
    if (parts.size() < 4 || parts[0].size() != 8 || parts[1].size() != 6 || parts[2].size() != 3 ||
        !Digits(parts[0]) || !Digits(parts[1]) || !Digits(parts[2]))
        return std::nullopt;
    TBackupEntry entry;
    const std::string_view d = parts[0], t = parts[1];
    entry.When = std::string(d.substr(0, 4)) + "-" + std::string(d.substr(4, 2)) + "-" +
                 std::string(d.substr(6, 2)) + " " + std::string(t.substr(0, 2)) + ":" +
                 std::string(t.substr(2, 2)) + ":" + std::string(t.substr(4, 2));
    std::size_t next = 3;
    if (next < parts.size() && Digits(parts[next])) // a second backup in the same millisecond
        ++next;
    if (next < parts.size() && parts[next] == "read")
        entry.Kind = TBackupKind::Read, ++next;
    else if (next < parts.size() && parts[next] == "written")
        entry.Kind = TBackupKind::Written, ++next;
    else if (next + 1 < parts.size() && parts[next] == "before" && parts[next + 1] == "write")
        entry.Kind = TBackupKind::BeforeWrite, next += 2;
    if (next < parts.size())
        entry.Port = std::string(parts[next]);
    return entry;
}

void CheckContent(TBackupEntry& entry) {
    TDeviceImage image{};
    TProjectInfo project;
    const TFileResult read = ReadProjectFile(entry.Path, image, project);
    if (read.Error == TFileError::ReadFailed || read.Error == TFileError::NotFound) {
        entry.Damage = TBackupDamage::Unreadable;
        entry.Reason = read.Reason;
    } else if (!read.Ok()) {
        entry.Damage = TBackupDamage::NotProject;
    } else if (read.ChecksumMismatch) {
        entry.Damage = TBackupDamage::Checksum;
    }
}

} // namespace

std::vector<TBackupEntry> ListBackups(const std::string& folder) {
    std::vector<TBackupEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code entryError; // one file that cannot be looked at leaves the others listed
        if (!it->is_regular_file(entryError))
            continue;
        std::optional<TBackupEntry> entry = FromName(it->path().filename().string());
        if (!entry)
            continue;
        entry->Path = it->path().string();
        const std::uintmax_t size = it->file_size(entryError);
        entry->Size = entryError ? 0 : size;
        CheckContent(*entry);
        entries.push_back(std::move(*entry));
    }
    // Names sort by the time they were kept.
    std::sort(entries.begin(), entries.end(),
              [](const TBackupEntry& a, const TBackupEntry& b) { return a.Path > b.Path; });
    return entries;
}

} // namespace korvisel
