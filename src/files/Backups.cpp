// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Backups.h"

#include "files/DatedFiles.h"
#include "files/ProjectFile.h"
#include "files/StandardPaths.h"

namespace korvisel {

std::string BackupFolder() {
    return UserDataFolder() + "/backups";
}

std::string PlainPortName(const std::string& portName) {
    std::string port;
    for (char c : portName)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            port += c;
    return port;
}

std::string BackupSuffix(TBackupKind kind, const std::string& portName) {
    const char* what = kind == TBackupKind::Read      ? "read"
                       : kind == TBackupKind::Written ? "written"
                                                      : "before-write";
    const std::string port = PlainPortName(portName);
    return std::string("-") + what + (port.empty() ? "" : "-" + port) + ProjectFileExtension;
}

std::string KeepBackup(const std::string& folder, TBackupKind kind, const std::string& portName,
                       const TDeviceImage& image, std::chrono::system_clock::time_point when,
                       std::string& error) {
    const std::vector<std::uint8_t> bytes = ProjectFileBytes(image);
    return WriteDatedFile(folder, "backup-", BackupSuffix(kind, portName), bytes, KeptBackups, when, error);
}

TBackupResult KeepDeviceBackup(TBackupKind kind, const std::string& portName, const TDeviceImage& image) {
    TBackupResult backup;
    backup.Path =
        KeepBackup(BackupFolder(), kind, portName, image, std::chrono::system_clock::now(), backup.Error);
    return backup;
}

std::string BackupNote(const TBackupResult& backup) {
    return backup.Path.empty() ? "no copy of the device's settings kept: " + backup.Error
                               : "copy of the device's settings kept: " + backup.Path;
}

} // namespace korvisel
