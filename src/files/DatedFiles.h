// SPDX-License-Identifier: GPL-3.0-or-later
// Files that the program keeps for the user by date, the newest so many of a kind: transfer logs and
// device backups. Their names sort by the time they were written.
#pragma once

#include "core/Result.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace korvisel {

// `prefix` + "YYYYmmdd-HHMMSS-mmm" (local time) + `suffix`.
std::string DatedFileName(const std::string& prefix, const std::string& suffix,
                          std::chrono::system_clock::time_point when);

// Writes `bytes` as a dated file into `folder` (created when missing; a name already taken gets "-2",
// "-3", ... before the suffix, so no file replaces another), then deletes the oldest files
// of the same prefix and suffix ending beyond the newest `keep`. Gives the new file's path, or the
// operating system's reason.
TResult<std::string> WriteDatedFile(const std::string& folder, const std::string& prefix,
                                    const std::string& suffix, std::span<const std::uint8_t> bytes,
                                    std::size_t keep, std::chrono::system_clock::time_point when);

} // namespace korvisel
