// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Backups.h"

#include "files/DatedFiles.h"
#include "files/ProjectFile.h"
#include "files/StandardPaths.h"

#include <algorithm>
#include <utility>

namespace korvisel {
namespace {

bool PlainPortCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// "-<kind>[-<port>].KV690", as BackupSuffix ends a backup's name: its kind and port.
std::optional<std::pair<TBackupKind, std::string_view>> ParseBackupEnding(std::string_view ending) {
    const std::string_view extension = ProjectFileExtension;
    if (!ending.ends_with(extension))
        return std::nullopt;
    ending.remove_suffix(extension.size());
    for (const TBackupKind kind : {TBackupKind::Read, TBackupKind::BeforeWrite, TBackupKind::Written}) {
        const std::string word = "-" + std::string(BackupKindName(kind));
        if (!ending.starts_with(word))
            continue;
        const std::string_view port = ending.substr(word.size());
        if (port.empty())
            return std::pair(kind, port);
        if (port.size() > 1 && port.front() == '-' &&
            std::all_of(port.begin() + 1, port.end(), PlainPortCharacter))
            return std::pair(kind, port.substr(1));
    }
    return std::nullopt;
}

bool BackupEnding(std::string_view ending) {
    return ParseBackupEnding(ending).has_value();
}

constexpr TDatedKind Backups{BackupPrefix, BackupEnding, KeptBackups};

} // namespace

std::string BackupFolder() {
    return UserDataFolder() + "/backups";
}

std::string PlainPortName(const std::string& portName) {
    std::string port;
    for (char c : portName)
        if (PlainPortCharacter(c))
            port += c;
    return port;
}

std::string_view BackupKindName(TBackupKind kind) {
    switch (kind) {
    case TBackupKind::Read:
        return "read";
    case TBackupKind::Written:
        return "written";
    case TBackupKind::BeforeWrite:
        break;
    }
    return "before-write";
}

std::string BackupSuffix(TBackupKind kind, const std::string& portName) {
    const std::string port = PlainPortName(portName);
    return "-" + std::string(BackupKindName(kind)) + (port.empty() ? "" : "-" + port) + ProjectFileExtension;
}

std::optional<TBackupName> ParseBackupName(std::string_view name) {
    const std::optional<TDatedName> dated = ParseDatedName(name, BackupPrefix);
    if (!dated)
        return std::nullopt;
    const auto ending = ParseBackupEnding(dated->Ending);
    if (!ending)
        return std::nullopt;
    return TBackupName{dated->When, ending->first, std::string(ending->second)};
}

TResult<std::string> KeepBackup(const std::string& folder, TBackupKind kind, const std::string& portName,
                                const TDeviceImage& image, std::chrono::system_clock::time_point when) {
    const std::vector<std::uint8_t> bytes = ProjectFileBytes(image);
    return WriteDatedFile(folder, Backups, BackupSuffix(kind, portName), bytes, when);
}

TResult<std::string> KeepDeviceBackup(TBackupKind kind, const std::string& portName,
                                      const TDeviceImage& image) {
    return KeepBackup(BackupFolder(), kind, portName, image, std::chrono::system_clock::now());
}

std::string ReadCopyNote(const TResult<std::string>& backup) {
    return backup.Ok() ? "; the settings read are kept in " + backup.Value()
                       : "; the settings read could not be kept either: " + backup.Reason();
}

std::string BackupNote(const TResult<std::string>& backup) {
    return backup.Ok() ? "copy of the device's settings kept: " + backup.Value()
                       : "no copy of the device's settings kept: " + backup.Reason();
}

} // namespace korvisel
