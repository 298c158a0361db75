// SPDX-License-Identifier: GPL-3.0-or-later
// Files that the program keeps for the user by date, the newest so many of a kind: transfer logs and
// device backups. Their names say when they were written.
#pragma once

#include "core/Result.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvisel {

// `prefix` + "YYYYmmdd-HHMMSS-mmm" (local time) + `suffix`.
std::string DatedFileName(const std::string& prefix, const std::string& suffix,
                          std::chrono::system_clock::time_point when);

struct TDatedName {
    std::chrono::system_clock::time_point When;
    std::string_view Ending; // what follows the date and the count: "-read-COM5.KV690", ".log"
};

// A name as DatedFileName makes it, with "-N" (N from 2) after the date when that millisecond's name was
// taken: a real date and time, or nothing for any other name.
std::optional<TDatedName> ParseDatedName(std::string_view name, std::string_view prefix);

// One kind of dated file: the start of its names, the endings the program gives them, and how many
// are kept.
struct TDatedKind {
    std::string_view Prefix;
    bool (*OwnEnding)(std::string_view ending);
    std::size_t Keep;
};

// Writes `bytes` as a dated file of the kind into `folder` (created when missing; a name already taken
// gets "-2", "-3", ... before the suffix, so no file replaces another), then deletes the oldest files
// of the kind beyond the newest `Keep`: only names the program writes, never the new file, and a name
// dated later than `when` by the file's modification time, so that a clock that was wrong once cannot
// pin the folder. Gives the new file's path, or the operating system's reason.
TResult<std::string> WriteDatedFile(const std::string& folder, const TDatedKind& kind,
                                    const std::string& suffix, std::span<const std::uint8_t> bytes,
                                    std::chrono::system_clock::time_point when);

} // namespace korvisel
