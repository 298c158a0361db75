// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SeveralSites.h"

#include "core/AsciiText.h"
#include "fields/DeviceImage.h"
#include "files/SitePorts.h"
#include "files/SitesTableFile.h"
#include "i18n/LanguageTexts.h"
#include "link/TransferProtocol.h"

#include <algorithm>
#include <map>

namespace korvisel {
namespace {

bool SamePort(const std::string& a, const std::string& b) {
    return AsciiUpper(a) == AsciiUpper(b);
}

bool Writable(const std::vector<TOfferedPort>& ports, const std::string& port) {
    return std::any_of(ports.begin(), ports.end(),
                       [&](const TOfferedPort& p) { return p.Usable && SamePort(p.Port, port); });
}

std::vector<TSiteRow> RowsOf(const TCsvTable& table, const TProjectInfo& projectTemplate) {
    TResult<std::vector<TSiteRow>> rows = ApplySitesTable(table, projectTemplate);
    return rows.Ok() ? std::move(rows).Value() : std::vector<TSiteRow>{};
}

std::string SiteName(const TSiteRow& row) {
    return row.Site.empty() ? "#" + std::to_string(row.Record) : row.Site;
}

} // namespace

TResult<TOfferedSites> OpenSites(const std::string& path, const TProjectInfo& projectTemplate,
                                 const TLanguageTexts& texts) {
    const auto unusable = [&](const std::string& why) {
        return TResult<TOfferedSites>::Failure(WithArguments(texts.Text("PRG_SITES_UNUSABLE"), {why}));
    };
    TResult<TCsvTable> table = ReadSitesTableFile(path);
    if (!table.Ok())
        return unusable(table.Reason());
    TOfferedSites sites{path.substr(path.find_last_of('/') + 1), std::move(table).Value(), {}, false};
    TResult<std::vector<TSiteRow>> rows = ApplySitesTable(sites.Table, projectTemplate);
    if (!rows.Ok())
        return unusable(path + ": " + rows.Reason());
    if (rows.Value().empty())
        return unusable(WithArguments(texts.Text("PRG_SITES_EMPTY"), {path}));
    sites.Rows = std::move(rows).Value();
    sites.ByPort = HasPortColumn(sites.Table);
    return sites;
}

void ApplyAgain(TOfferedSites& sites, const TProjectInfo& projectTemplate) {
    sites.Rows = RowsOf(sites.Table, projectTemplate);
}

std::string SitesSummary(const TOfferedSites& sites, const TLanguageTexts& texts) {
    const auto refused = std::count_if(sites.Rows.begin(), sites.Rows.end(),
                                       [](const TSiteRow& row) { return !Choosable(row); });
    return WithArguments(texts.Text("PRG_SITES_SUMMARY"),
                         {sites.Name, std::to_string(sites.Rows.size()), std::to_string(refused)}) +
           " " + (sites.ByPort ? texts.Text("PRG_SITES_BY_PORT") : texts.Text("PRG_SITES_BY_CHOICE"));
}

std::string SiteProblemLine(const TSiteRow& row, const TSiteProblem& problem, const TLanguageTexts& texts) {
    const std::string record = std::to_string(row.Record), line = std::to_string(row.Line);
    if (problem.Column.empty())
        return WithArguments(texts.Text("PRG_SITES_ROW_PROBLEM"), {record, line, problem.Why});
    return WithArguments(texts.Text("PRG_SITES_CELL_PROBLEM"), {record, line, problem.Column, problem.Why});
}

std::vector<std::string> SitesNotes(const TOfferedSites& sites, const std::vector<TOfferedPort>& ports,
                                    const TLanguageTexts& texts) {
    std::vector<std::string> notes;
    for (const TSiteRow& row : sites.Rows) {
        for (const TSiteProblem& problem : row.Problems)
            notes.push_back(SiteProblemLine(row, problem, texts));
        if (!sites.ByPort || !Choosable(row))
            continue;
        const std::string record = std::to_string(row.Record), line = std::to_string(row.Line);
        if (row.Port.empty())
            notes.push_back(WithArguments(texts.Text("PRG_SITES_NO_PORT"), {record, line}));
        else if (!Writable(ports, row.Port))
            notes.push_back(
                WithArguments(texts.Text("PRG_SITES_PORT_NOT_OFFERED"), {record, line, row.Port}));
    }
    return notes;
}

std::string SiteChoiceText(const TSiteRow& row, const TLanguageTexts& texts) {
    return Choosable(row) ? SiteName(row)
                          : WithArguments(texts.Text("PRG_SITES_REFUSED_CHOICE"), {SiteName(row)});
}

TSiteChoices ChoicesByPort(const TOfferedSites& sites, const std::vector<TOfferedPort>& ports) {
    TSiteChoices choices(ports.size());
    for (std::size_t p = 0; p < ports.size(); ++p) {
        if (!ports[p].Usable)
            continue;
        for (std::size_t r = 0; r < sites.Rows.size(); ++r)
            if (Choosable(sites.Rows[r]) && SamePort(sites.Rows[r].Port, ports[p].Port)) {
                choices[p] = r;
                break;
            }
    }
    return choices;
}

void PreselectSites(TSiteChoices& choices, const std::vector<bool>& ticked, const TOfferedSites& sites) {
    choices.resize(ticked.size());
    for (std::size_t p = 0; p < ticked.size(); ++p)
        if (!ticked[p])
            choices[p].reset();
    for (std::size_t p = 0; p < ticked.size(); ++p) {
        if (!ticked[p] || choices[p])
            continue;
        for (std::size_t r = 0; r < sites.Rows.size(); ++r)
            if (Choosable(sites.Rows[r]) && std::find(choices.begin(), choices.end(), r) == choices.end()) {
                choices[p] = r;
                break;
            }
    }
}

TResult<std::vector<TBatchPayload>> SitesPayloads(const TOfferedSites& sites,
                                                  const std::vector<TOfferedPort>& ports,
                                                  const std::vector<bool>& ticked,
                                                  const TSiteChoices& choices, const TLanguageTexts& texts) {
    using TPayloads = TResult<std::vector<TBatchPayload>>;
    std::vector<TBatchPayload> payloads;
    std::map<std::size_t, std::string> portOfRow;
    for (std::size_t p = 0; p < ports.size() && p < ticked.size(); ++p) {
        if (!ticked[p])
            continue;
        const std::string& port = ports[p].Port;
        const std::optional<std::size_t> choice = p < choices.size() ? choices[p] : std::nullopt;
        if (!choice || *choice >= sites.Rows.size())
            return TPayloads::Failure(WithArguments(sites.ByPort ? texts.Text("PRG_SITES_NOT_IN_TABLE")
                                                                 : texts.Text("PRG_SITES_NO_SITE"),
                                                    {port}));
        const TSiteRow& row = sites.Rows[*choice];
        if (!Choosable(row))
            return TPayloads::Failure(
                WithArguments(texts.Text("PRG_SITES_CANNOT"),
                              {port, SiteName(row), SiteProblemLine(row, row.Problems.front(), texts)}));
        if (const auto [first, fresh] = portOfRow.emplace(*choice, port); !fresh)
            return TPayloads::Failure(
                WithArguments(texts.Text("PRG_SITES_TWICE"), {SiteName(row), first->second, port}));
        TBatchPayload payload;
        PackImage(row.Project, payload.Outgoing);
        payload.Payload = BuildPayload(payload.Outgoing);
        payloads.push_back(std::move(payload));
    }
    return payloads;
}

} // namespace korvisel
