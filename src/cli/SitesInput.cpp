// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SitesInput.h"

#include "cli/Commands.h"
#include "cli/ProjectFiles.h"
#include "core/CheckProject.h"
#include "core/SafeText.h"
#include "files/FileIo.h"

#include <cstdio>

namespace korvisel::cli {
namespace {

// Far beyond any batch of sites (10,000 rows take about a megabyte), and well within memory.
constexpr std::size_t LargestTable = 64 * 1024 * 1024;

TResult<TCsvTable> LoadTable(const std::string& path) {
    const TFileHead head = ReadFileHead(path, LargestTable + 1);
    if (head.Status == TReadStatus::NotFound)
        return TResult<TCsvTable>::Failure(path + ": not found");
    if (head.Status == TReadStatus::Failed)
        return TResult<TCsvTable>::Failure(path + ": " + head.Reason);
    if (head.Size > LargestTable)
        return TResult<TCsvTable>::Failure(path + ": too large for a sites table");
    TResult<TCsvTable> table =
        ReadCsvTable(std::string_view(reinterpret_cast<const char*>(head.Bytes.data()), head.Bytes.size()));
    if (!table.Ok())
        return TResult<TCsvTable>::Failure(path + ": " + table.Reason());
    return table;
}

} // namespace

int LoadSites(const std::string& templatePath, const std::string& tablePath, TSitesInput& sites) {
    TProjectInfo projectTemplate;
    bool damaged = false;
    if (const TResult<> loaded = LoadProjectFile(templatePath, projectTemplate, nullptr, &damaged);
        !loaded.Ok())
        return Fail(loaded.Reason(), 2);
    // Every site would carry whatever altered the template.
    if (damaged)
        return Fail(templatePath + ": the template's checksum does not match its contents; check it first",
                    2);
    TResult<TCsvTable> table = LoadTable(tablePath);
    if (!table.Ok())
        return Fail(table.Reason(), 2);
    sites.Table = std::move(table).Value();
    TResult<std::vector<TSiteRow>> applied = ApplySitesTable(sites.Table, projectTemplate);
    if (!applied.Ok())
        return Fail(tablePath + ": " + applied.Reason(), 2);
    sites.Rows = std::move(applied).Value();
    if (sites.Rows.empty())
        return Fail(tablePath + ": the table names no site", 2);
    return -1;
}

std::size_t ReportSiteProblems(const std::string& tablePath, const std::vector<TSiteRow>& rows) {
    std::size_t refused = 0;
    for (const TSiteRow& row : rows) {
        for (const TSiteProblem& problem : row.Problems)
            Fail(tablePath + ": " + SiteProblemText(row, problem));
        refused += row.Problems.empty() ? 0u : 1u;
    }
    return refused;
}

void WarnCheckFindings(const std::string& what, const TProjectInfo& project, const char* shownBy) {
    if (const TCheckReport report = CheckProject(project); report.HasFindings())
        std::fprintf(stderr,
                     "korvisel-cli: warning: %s: the consistency check finds %d errors and %d warnings "
                     "(%s)\n",
                     EscapedText(what).c_str(), report.Errors, report.Warnings, shownBy);
}

} // namespace korvisel::cli
