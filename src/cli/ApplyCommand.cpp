// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-cli apply: one project per row of a sites table, each the template with that row's
// values, checked and written as a .KV690 file.
#include "cli/Commands.h"
#include "cli/LineOptions.h"

#include "cli/ProjectFiles.h"
#include "cli/SitesInput.h"
#include "core/SafeText.h"
#include "files/FileIo.h"
#include "files/ProjectFile.h"
#include "i18n/CodePage.h"

#include <cstdio>

namespace korvisel::cli {
namespace {

const char* const ApplyHelp =
    "Usage: korvisel-cli apply TEMPLATE SITES.csv -o FOLDER [--all-or-nothing] [--json]\n\n"
    "Writes one project per row of the sites table SITES.csv into FOLDER as <Site>.KV690: the\n"
    "project in TEMPLATE with that row's values. TEMPLATE is a template file (File > Save as\n"
    "Template keeps them in ~/.local/share/korvisel/templates), whose site fields are the only\n"
    "columns the table may have, or any project file (.KV690, .KV2, .KRV or .json), whose every\n"
    "site field may be a column. The table's header names Site, optionally Port, and the fields\n"
    "to set, as korvisel-cli diff names them (Phones[1].Number, Inputs[2].SmsEventText,\n"
    "Inputs[3].Cid.Object, Pin). An empty cell keeps the template's value (a template file's\n"
    "default, where it gives one) and a cell holding a single - clears the field. A value the\n"
    "configurator's page would refuse, a field the record's report kind does not use, a site\n"
    "named twice or a project the consistency check refuses is reported with its record, line\n"
    "and column, and that row is not written; the others are. With --all-or-nothing no row is\n"
    "written unless every row can be. With --json each project is written as <Site>.json, which\n"
    "also keeps the template's name, the site and the row's values. Exit status 0 when every\n"
    "row was written, 1 when some were not, 2 when the template or the table could not be read.\n";

struct TApplyOptions {
    std::string Template;
    std::string Table;
    std::string Folder;
    bool AllOrNothing = false;
    bool Json = false;
};

// Returns the exit status when the command ends here, else -1.
int ParseApply(const TArgs& given, TApplyOptions& options) {
    const TArgs args = WithOptionValuesSplit(given);
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(ApplyHelp, stdout);
            return 0;
        }
        if (a == "--all-or-nothing")
            options.AllOrNothing = true;
        else if (a == "--json")
            options.Json = true;
        else if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size())
                return Fail(a + ": needs a value", 2);
            options.Folder = args[++i];
        } else if (a.starts_with("-") && a != "-")
            return Fail(a + ": not an option of apply; see korvisel-cli apply --help", 2);
        else
            operands.push_back(a);
    }
    if (operands.size() != 2 || options.Folder.empty()) {
        std::fputs(ApplyHelp, stderr);
        return 2;
    }
    // "sites/" and "sites" name one folder, and the files in it are shown once so.
    while (options.Folder.size() > 1 && options.Folder.ends_with("/"))
        options.Folder.pop_back();
    options.Template = operands[0];
    options.Table = operands[1];
    return -1;
}

// "<Site>.KV690" as "<Site>.json": the names stay unique, as they differ in more than the extension.
std::string AsJsonFile(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - std::string_view(ProjectFileExtension).size()) + ".json";
}

} // namespace

int Apply(const TArgs& args) {
    TApplyOptions options;
    if (const int status = ParseApply(args, options); status >= 0)
        return status;
    TSitesInput sites;
    if (const int status = LoadSites(options.Template, options.Table, sites); status >= 0)
        return status;
    std::vector<TSiteRow>& rows = sites.Rows;
    if (const TResult<> made = MakeFolders(options.Folder); !made.Ok())
        return Fail(options.Folder + ": " + made.Reason(), 2);

    const std::size_t refused = ReportSiteProblems(options.Table, rows);
    if (options.AllOrNothing && refused > 0) {
        std::printf("nothing written: %zu of %zu sites refused\n", refused, rows.size());
        return 1;
    }
    std::size_t written = 0;
    for (TSiteRow& row : rows) {
        if (!row.Problems.empty())
            continue;
        const std::string file =
            options.Folder + "/" + (options.Json ? AsJsonFile(row.FileName) : row.FileName);
        // A table saved in another code page names its sites in bytes that are no UTF-8: JSON keeps
        // them as \xNN, which tells them apart, rather than as a replacement character, which does not.
        const TSiteOrigin origin{sites.Template.Name,
                                 IsValidUtf8(row.Site) ? row.Site : EscapedText(row.Site), row.Values};
        if (const TResult<> saved = SaveProjectFile(file, row.Project, origin); !saved.Ok()) {
            Fail(options.Table + ": " + SiteProblemText(row, {{}, saved.Reason()}));
            row.Problems.push_back({{}, saved.Reason()});
            continue;
        }
        ++written;
        std::printf("written: %s -> %s\n", EscapedText(row.Site).c_str(), EscapedText(file).c_str());
        // Gaps that do not stop a write, as write itself reports them: said, not refused.
        WarnCheckFindings(file, row.Project, "korvisel-cli check shows them");
    }
    std::printf("%zu of %zu sites written\n", written, rows.size());
    for (const TSiteRow& row : rows)
        if (!row.Problems.empty())
            std::printf("not written: %s (record %zu)\n", EscapedText(row.Site).c_str(), row.Record);
    return written == rows.size() ? 0 : 1;
}

} // namespace korvisel::cli
