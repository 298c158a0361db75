// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of device settings that the program keeps for the user: every image read from a device,
// every image written into one, and, when asked for, what a device held before it was overwritten.
// Each is a project file that opens like any other, so an installer can put old settings back.
#pragma once

#include "core/Result.h"
#include "fields/DeviceImage.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace korvisel {

enum class TBackupKind { Read, BeforeWrite, Written };

constexpr std::size_t KeptBackups = 50;

// $XDG_DATA_HOME/korvisel/backups.
std::string BackupFolder();

// A port name (from the settings or the command line) as it may stand in a file name: its letters
// and digits only.
std::string PlainPortName(const std::string& portName);

inline constexpr std::string_view BackupPrefix = "backup-";

// "read", "before-write" or "written", as a backup's name says it.
std::string_view BackupKindName(TBackupKind kind);

// "backup-<date>-<time>-<kind>-<port>.KV690": sorted by name they are sorted by time.
std::string BackupSuffix(TBackupKind kind, const std::string& portName);

struct TBackupName {
    std::chrono::system_clock::time_point When;
    TBackupKind Kind = TBackupKind::Read;
    std::string Port; // letters and digits, or empty
};

// A name as KeepBackup gives it, every part checked (a real date and time, a kind, a port of letters
// and digits); nothing for any other name.
std::optional<TBackupName> ParseBackupName(std::string_view name);

// Writes the image as a project file into the folder and keeps the newest KeptBackups there.
// Gives its path, or why it could not be written.
TResult<std::string> KeepBackup(const std::string& folder, TBackupKind kind, const std::string& portName,
                                const TDeviceImage& image, std::chrono::system_clock::time_point when);

// A backup kept now in BackupFolder(), and the line that tells the user where it went or why none was
// kept.
TResult<std::string> KeepDeviceBackup(TBackupKind kind, const std::string& portName,
                                      const TDeviceImage& image);
std::string BackupNote(const TResult<std::string>& backup);
// What follows a failed save of settings read from a device: where their copy is, or that it could
// not be kept either.
std::string ReadCopyNote(const TResult<std::string>& backup);

} // namespace korvisel
