// SPDX-License-Identifier: GPL-3.0-or-later
// The backups folder as a list for the user: when each copy was kept, at a read or a write, on which
// port, its size, and whether it still reads as a project.
#pragma once

#include "files/Backups.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvisel {

// Why a kept file does not read as a sound project.
enum class TBackupDamage { None, NotProject, Checksum, Unreadable };

struct TBackupEntry {
    std::string Path;
    std::string When; // "2026-12-10 07:55:01", from the file's name
    std::optional<TBackupKind> Kind;
    std::string Port;
    std::uintmax_t Size = 0;
    TBackupDamage Damage = TBackupDamage::None;
    std::string Reason; // the operating system's reason for an unreadable file

    // Whether it can be opened or compared: a wrong checksum still reads (opening says so), a file
    // that is no project or cannot be read does not.
    bool Opens() const { return Damage == TBackupDamage::None || Damage == TBackupDamage::Checksum; }
};

// Every backup the folder holds, newest first; files of other names are not listed.
std::vector<TBackupEntry> ListBackups(const std::string& folder);

} // namespace korvisel
