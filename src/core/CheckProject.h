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

// What a finding is about, so that an editor can take the user to where it is fixed.
enum class TCheckSubject : std::uint8_t {
    PhoneBook, // no phone at all
    InputAlarmPhone,
    InputSmsPhone,
    InputClipEventPhone,
    InputClipRestorePhone,
    InputDataPhone,
    GsmSmsPhone,
    TestSmsPhone,
    TestClipEventPhone,
    TestClipRestorePhone,
    TestDataPhone,
    InputSmsEventText,
    InputSmsRestoreText,
    SharedPhone, // one phone gets an input's ALARM and another's CLIP reports
};

enum class TFindingLevel : std::uint8_t {
    Error,
    Warning,
    Note, // reported, not counted
};

struct TCheckFinding {
    TFindingLevel Level = TFindingLevel::Error;
    TCheckSubject Subject = TCheckSubject::PhoneBook;
    std::uint8_t Number = 0; // the input, or the shared phone; 0 where neither applies
    std::string Line;        // as the report writes it
    std::uint8_t Phone = 0;  // the empty phone a report names; 0 for none chosen and other findings
    bool operator==(const TCheckFinding&) const = default;
};

struct TCheckReport {
    std::vector<std::string> Lines;      // the report's lines, without their CR LF ends
    std::vector<TCheckFinding> Findings; // the lines that name a finding, in the report's order
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
