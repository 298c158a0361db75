// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency check run before a write to the device: gaps in who receives the reports.
#pragma once

#include "core/PrjTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvisel {

// Whether the device may be written after the check; the numbers are the check's own result codes.
enum class TCheckResult : int {
    WriteAllowed = 0,
    BlocksWrite = 2, // the phone book is empty
};

struct TCheckReport {
    std::vector<std::string> Lines; // the report's lines, without their CR LF ends
    std::uint8_t Errors = 0;
    std::uint8_t Warnings = 0;
    TCheckResult Result = TCheckResult::WriteAllowed;

    // Counted findings make the report worth opening; the shared-phone warning is not counted.
    bool HasFindings() const { return Errors > 0 || Warnings > 0; }
    // The report file's content: every line followed by CR LF.
    std::string Text() const;
};

// The report of a project's gaps; its result says whether the device may be written.
TCheckReport CheckProject(const TProjectInfo& project);

} // namespace korvisel
