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

bool Digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text up to the next dash, taken off `rest`; nothing when no dash follows.
std::optional<std::string_view> TakeField(std::string_view& rest) {
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = rest.substr(0, dash);
    rest.remove_prefix(dash + 1);
    return field;
}

// "backup-YYYYmmdd-HHMMSS-mmm[-N]-<kind>[-<port>].KV690", as KeepBackup names them; nothing for any
// other name.
std::optional<TBackupEntry> FromName(const std::string& name) {
    const std::string_view extension = ProjectFileExtension;
    if (!name.starts_with(BackupPrefix) || !name.ends_with(extension))
        return std::nullopt;
    std::string_view rest(name);
    rest.remove_prefix(BackupPrefix.size());
    rest.remove_suffix(extension.size());
    const auto date = TakeField(rest), time = TakeField(rest), millis = TakeField(rest);
    if (!date || !time || !millis || date->size() != 8 || time->size() != 6 || millis->size() != 3 ||
        !Digits(*date) || !Digits(*time) || !Digits(*millis) || rest.empty())
        return std::nullopt;
    TBackupEntry entry;
    const std::string_view d = *date, t = *time;
    entry.When = std::string(d.substr(0, 4)) + "-" + std::string(d.substr(4, 2)) + "-" +
                 std::string(d.substr(6, 2)) + " " + std::string(t.substr(0, 2)) + ":" +
                 std::string(t.substr(2, 2)) + ":" + std::string(t.substr(4, 2));
    // A second backup in the same millisecond carries its number.
    std::string_view counted = rest;
    if (const auto n = TakeField(counted); n && Digits(*n))
        rest = counted;
    for (const TBackupKind kind : {TBackupKind::Read, TBackupKind::BeforeWrite, TBackupKind::Written}) {
        const std::string_view word = BackupKindName(kind);
        if (rest == word ||
            (rest.starts_with(word) && rest.size() > word.size() && rest[word.size()] == '-')) {
            entry.Kind = kind;
            rest.remove_prefix(std::min(rest.size(), word.size() + 1));
            entry.Port = std::string(rest);
            break;
        }
    }
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
