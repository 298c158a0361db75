// SPDX-License-Identifier: GPL-3.0-or-later
// What every command over a sites table starts from: the template and the table read and applied,
// and the rows' problems and check findings told as korvisel-cli tells them.
#pragma once

#include "files/SitesTable.h"

#include <cstddef>
#include <string>
#include <vector>

namespace korvisel::cli {

struct TSitesInput {
    TSiteTemplate Template;
    TCsvTable Table;
    std::vector<TSiteRow> Rows;
};

// Reads the template (a template file, or any project file) and the table and applies the one to the other.
// Returns 2 (after saying why) when either cannot be read, the template's checksum does not match or the
// table names no site; else -1.
int LoadSites(const std::string& templatePath, const std::string& tablePath, TSitesInput& sites);

// Every problem of every row on standard error ("korvisel-cli: SITES.csv: record 2 (line 3), column
// Pin: ..."); returns how many rows are refused.
std::size_t ReportSiteProblems(const std::string& tablePath, const std::vector<TSiteRow>& rows);

// Gaps the consistency check finds that do not stop a write: a warning naming `what` and the command
// that shows them.
void WarnCheckFindings(const std::string& what, const TProjectInfo& project, const char* shownBy);

} // namespace korvisel::cli
