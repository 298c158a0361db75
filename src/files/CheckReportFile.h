// SPDX-License-Identifier: GPL-3.0-or-later
// Errors.txt: where the consistency check's report is written before a write to the device, and the
// opener that shows it when it holds findings.
#pragma once

#include "core/CheckProject.h"

#include <functional>
#include <string>

namespace korvisel {

inline constexpr char CheckReportFileName[] = "Errors.txt";

// Where the report goes: beside the program when that folder is writable, else the user's data folder.
struct TReportFolders {
    std::string ProgramFolder; // empty when the program's folder is a system folder
    std::string UserDataFolder;
};
TReportFolders DefaultReportFolders();

struct TReportPlacement {
    bool ReportOpened = false;
    std::string ReportPath;  // where the report was written; empty when it could not be placed
    std::string ReportError; // why it could not be placed
};

using TReportOpener = std::function<void(const std::string& path)>;

// Writes the report anew and hands it to the opener when it holds counted findings. A report that
// cannot be placed never stops the write: only the check's result decides that.
TReportPlacement WriteCheckReport(const TCheckReport& report, const TReportFolders& folders,
                                  const TReportOpener& openReport);

} // namespace korvisel
