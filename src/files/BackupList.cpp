// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BackupList.h"

#include "core/PrjTypes.h"
#include "files/ProjectFile.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace korvisel {
namespace {

// "2026-12-10 07:55:01": when a backup was kept, in local time as its name says it.
std::string LocalTimeText(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void CheckContent(TBackupEntry& entry) {
    // The program writes every backup whole: a file of another size is none, whatever its start holds.
    if (entry.Size != ProjectFileLayout::FileSize) {
        entry.Damage = TBackupDamage::NotProject;
        return;
    }
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
        const std::optional<TBackupName> name = ParseBackupName(it->path().filename().string());
        if (!name)
            continue;
        TBackupEntry entry;
        entry.Path = it->path().string();
        entry.When = LocalTimeText(name->When);
        entry.Kind = name->Kind;
        entry.Port = name->Port;
        const std::uintmax_t size = it->file_size(entryError);
        if (entryError) {
            entry.Damage = TBackupDamage::Unreadable;
            entry.Reason = entryError.message();
        } else {
            entry.Size = size;
            CheckContent(entry);
        }
        entries.push_back(std::move(entry));
    }
    // Names sort by the time they were kept.
    std::sort(entries.begin(), entries.end(),
              [](const TBackupEntry& a, const TBackupEntry& b) { return a.Path > b.Path; });
    return entries;
}

} // namespace korvisel
