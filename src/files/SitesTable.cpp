// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SitesTable.h"

#include "core/AsciiText.h"
#include "core/CheckProject.h"
#include "fields/SiteFields.h"
#include "files/ProjectFile.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace korvisel {
namespace {

// File systems take 255 bytes a name; room is left for a counter and the extension.
constexpr std::size_t LongestStem = 200;

struct TColumn {
    std::string Name;
    std::optional<TSiteField> Field; // nothing for Site, Port and a name that is no site field
};

TResult<std::vector<TColumn>> ColumnsOf(const std::vector<std::string>& header) {
    std::vector<TColumn> columns;
    std::set<std::string> seen;
    bool hasSite = false;
    for (const std::string& name : header) {
        if (name.empty())
            return TResult<std::vector<TColumn>>::Failure("column " + std::to_string(columns.size() + 1) +
                                                          " of the header has no name");
        if (!seen.insert(name).second)
            return TResult<std::vector<TColumn>>::Failure("the header names the column " + name + " twice");
        hasSite = hasSite || name == SiteColumn;
        columns.push_back({name, FindSiteField(name)});
    }
    if (!hasSite)
        return TResult<std::vector<TColumn>>::Failure("the header has no Site column");
    return columns;
}

const TTemplateField* TemplateFieldOf(const TSiteTemplate& siteTemplate, const std::string& name) {
    for (const TTemplateField& field : siteTemplate.Fields)
        if (field.Field == name)
            return &field;
    return nullptr;
}

void ApplyCell(const TSiteTemplate& siteTemplate, const TColumn& column, const std::string& cell,
               TSiteRow& row) {
    if (column.Name == SiteColumn) {
        row.Site = cell;
        return;
    }
    if (column.Name == PortColumn) {
        row.Port = cell;
        return;
    }
    const TTemplateField* field = column.Field ? TemplateFieldOf(siteTemplate, column.Name) : nullptr;
    const std::string value = !cell.empty() || !field || !field->Default ? cell : *field->Default;
    if (value.empty())
        return;
    if (!column.Field) {
        row.Problems.push_back({column.Name, "no site field has this name (korvisel-cli diff prints them)"});
        return;
    }
    if (!SiteFieldUsed(*column.Field, row.Project)) {
        row.Problems.push_back({column.Name, "the report kind of this record does not use the field"});
        return;
    }
    if (!field) {
        row.Problems.push_back({column.Name, "the template leaves this field to no site"});
        return;
    }
    if (const TResult<> set = SetSiteField(*column.Field, row.Project, value); !set.Ok())
        row.Problems.push_back({column.Name, set.Reason()});
    else if (!cell.empty())
        row.Values.emplace_back(column.Name, cell);
}

bool HasColumn(const std::vector<TColumn>& columns, const std::string& name) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](const TColumn& column) { return column.Name == name; });
}

// A default the table gives no column for: the template was checked, so its page takes it.
void ApplyDefault(const TTemplateField& field, TSiteRow& row) {
    if (const std::optional<TSiteField> known = FindSiteField(field.Field))
        if (const TResult<> set = SetSiteField(*known, row.Project, *field.Default); !set.Ok())
            row.Problems.push_back({field.Field, set.Reason()});
}

std::string UniqueFileName(const std::string& stem, std::set<std::string>& taken) {
    std::string name = stem + ProjectFileExtension;
    for (int counter = 2; !taken.insert(AsciiUpper(name)).second; ++counter)
        name = stem + "-" + std::to_string(counter) + ProjectFileExtension;
    return name;
}

} // namespace

TResult<std::vector<TSiteRow>> ApplySitesTable(const TCsvTable& table, const TProjectInfo& projectTemplate) {
    return ApplySitesTable(table, TemplateOfProject(projectTemplate, "project"));
}

TResult<std::vector<TSiteRow>> ApplySitesTable(const TCsvTable& table, const TSiteTemplate& siteTemplate) {
    const TResult<std::vector<TColumn>> columns = ColumnsOf(table.Header);
    if (!columns.Ok())
        return TResult<std::vector<TSiteRow>>::Failure(columns.Reason());
    std::vector<TSiteRow> rows;
    std::map<std::string, std::size_t> sites, ports;
    std::set<std::string> fileNames;
    for (const TCsvRecord& record : table.Records) {
        TSiteRow row{record.Number, record.Line, {}, {}, {}, siteTemplate.Project, {}, {}};
        for (const TTemplateField& field : siteTemplate.Fields)
            if (field.Default && !HasColumn(columns.Value(), field.Field))
                ApplyDefault(field, row);
        for (std::size_t c = 0; c < columns.Value().size(); ++c)
            ApplyCell(siteTemplate, columns.Value()[c], record.Cells[c], row);
        if (row.Site.empty())
            row.Problems.push_back({std::string(SiteColumn), "the site has no name"});
        else if (const auto [first, fresh] = sites.emplace(row.Site, row.Record); !fresh)
            row.Problems.push_back({std::string(SiteColumn),
                                    "the site is named in record " + std::to_string(first->second) + " too"});
        if (!row.Port.empty())
            if (const auto [first, fresh] = ports.emplace(AsciiUpper(row.Port), row.Record); !fresh)
                row.Problems.push_back({std::string(PortColumn), "the port is given in record " +
                                                                     std::to_string(first->second) + " too"});
        if (row.Problems.empty() && CheckProject(row.Project).Result == TCheckResult::BlocksWrite)
            row.Problems.push_back(
                {{}, "the consistency check refuses its project: the phone book is empty"});
        if (row.Problems.empty())
            row.FileName = UniqueFileName(SiteFileStem(row.Site), fileNames);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SiteProblemText(const TSiteRow& row, const TSiteProblem& problem) {
    std::string text = "record " + std::to_string(row.Record) + " (line " + std::to_string(row.Line) + ")";
    if (!problem.Column.empty())
        text += ", column " + problem.Column;
    return text + ": " + problem.Why;
}

std::string SiteFileStem(std::string_view site) {
    std::string stem;
    for (const char c : site) {
        const auto byte = static_cast<unsigned char>(c);
        stem += c == '/' || byte < 0x20 || byte == 0x7F ? '_' : c;
    }
    if (stem.size() > LongestStem) {
        std::size_t cut = LongestStem;
        // Not inside a UTF-8 character.
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    std::size_t dots = 0;
    while (dots < stem.size() && stem[dots] == '.')
        ++dots;
    stem.replace(0, dots, std::string(dots, '_'));
    return stem.empty() ? "_" : stem;
}

} // namespace korvisel
