// SPDX-License-Identifier: GPL-3.0-or-later
// A sites table read against a template project: each row's project (the template with that row's
// site fields set), its file name, and why the row is refused when it is.
#pragma once

#include "core/PrjTypes.h"
#include "core/Result.h"
#include "fields/SiteTemplate.h"
#include "files/CsvTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// The columns every sites table may have besides its site fields.
constexpr std::string_view SiteColumn = "Site";
constexpr std::string_view PortColumn = "Port";

struct TSiteProblem {
    std::string Column; // empty for the row as a whole (the check refuses its project)
    std::string Why;
};

struct TSiteRow {
    std::size_t Record = 0;
    std::size_t Line = 0;
    std::string Site;
    std::string Port;
    std::string FileName; // "<Site>.KV690" made a safe file name, unique in the batch
    TProjectInfo Project;
    TSiteValues Values;                 // the site fields its cells set, as they were given
    std::vector<TSiteProblem> Problems; // none: the project may be written
};

// Every row of the table applied to the template: an empty cell keeps the template's value, a
// site field's cell sets it by its page's rule. A refused value, a column that names no site field or
// one the record's report kind does not use, a site named twice, a port given twice and a project
// the consistency check refuses are problems of the row. The table itself fails only without a Site
// column, with a column named twice or one without a name.
TResult<std::vector<TSiteRow>> ApplySitesTable(const TCsvTable& table, const TProjectInfo& projectTemplate);
// The same with a template file: its fields are the only site fields a column may name, and an empty
// cell gives the field's default where the template has one.
TResult<std::vector<TSiteRow>> ApplySitesTable(const TCsvTable& table, const TSiteTemplate& siteTemplate);

// "record 3 (line 4), column Pin: ..." for a message about the row.
std::string SiteProblemText(const TSiteRow& row, const TSiteProblem& problem);

// A site name as a file name: no "/", no control character, no leading dot, never empty, at most
// what a file system takes.
std::string SiteFileStem(std::string_view site);

} // namespace korvisel
