// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency check run before a write to the device: gaps in who receives the reports.
#pragma once

#include "core/PrjTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace korvisel {

// CheckProject's result when the device must not be written.
constexpr int CheckBlocksWrite = 2;
inline constexpr char CheckReportFileName[] = "Errors.txt";

struct TCheckReport {
    std::vector<std::string> Lines; // the report's lines, without their CR LF ends
    std::uint8_t Errors = 0;
    std::uint8_t Warnings = 0;
    int Result = 0; // CheckBlocksWrite when the phone book is empty, else 0

    // Counted findings make the report worth opening; the shared-phone warning is not counted.
    bool HasFindings() const { return Errors > 0 || Warnings > 0; }
    // The report file's content: every line followed by CR LF.
    std::string Text() const;
};

TCheckReport BuildCheckReport(const TProjectInfo& project);

// Where the report goes: beside the program when that folder is writable, else the user's data folder.
struct TReportFolders {
    std::string ProgramFolder; // empty when the program's folder is a system folder
    std::string UserDataFolder;
};
TReportFolders DefaultReportFolders();

struct TCheckOutcome {
    int Result = 0;
    bool ReportOpened = false;
    std::string ReportPath;  // where the report was written; empty when it could not be placed
    std::string ReportError; // why it could not be placed
};

using TReportOpener = std::function<void(const std::string& path)>;

// Writes the report anew and hands it to the opener when it holds counted findings. A report that
// cannot be placed never stops the write: only the result decides that.
TCheckOutcome CheckProject(const TProjectInfo& project, const TReportFolders& folders,
                           const TReportOpener& openReport);

} // namespace korvisel
