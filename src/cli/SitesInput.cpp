// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SitesInput.h"

#include "cli/Commands.h"
#include "cli/ProjectFiles.h"
#include "core/AsciiText.h"
#include "core/CheckProject.h"
#include "core/SafeText.h"
#include "files/SitesTableFile.h"
#include "json/TemplateFolder.h"

#include <cstdio>

namespace korvisel::cli {
namespace {

// A template file, or any project file taken as a template whose every site field the table may set.
// A .json file is a template when it says so; otherwise it is read as a project.
TResult<TSiteTemplate> LoadSiteTemplate(const std::string& path) {
    if (AsciiUpper(path).ends_with(".JSON")) {
        TResult<TSiteTemplate> read = LoadTemplateFile(path);
        if (read.Ok() || read.Reason() != path + ": Format: is missing")
            return read;
    }
    TProjectInfo project;
    bool damaged = false;
    if (const TResult<> loaded = LoadProjectFile(path, project, nullptr, &damaged); !loaded.Ok())
        return TResult<TSiteTemplate>::Failure(loaded.Reason());
    // Every site would carry whatever altered the template.
    if (damaged)
        return TResult<TSiteTemplate>::Failure(
            path + ": the template's checksum does not match its contents; check it first");
    return TemplateOfProject(project, path);
}

} // namespace

int LoadSites(const std::string& templatePath, const std::string& tablePath, TSitesInput& sites) {
    TResult<TSiteTemplate> siteTemplate = LoadSiteTemplate(templatePath);
    if (!siteTemplate.Ok())
        return Fail(siteTemplate.Reason(), 2);
    sites.Template = std::move(siteTemplate).Value();
    TResult<TCsvTable> table = ReadSitesTableFile(tablePath);
    if (!table.Ok())
        return Fail(table.Reason(), 2);
    sites.Table = std::move(table).Value();
    TResult<std::vector<TSiteRow>> applied = ApplySitesTable(sites.Table, sites.Template);
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
