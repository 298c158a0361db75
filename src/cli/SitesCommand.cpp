// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SitesCommand.h"

#include "cli/BatchRun.h"
#include "cli/BatchSummary.h"
#include "cli/ProjectFiles.h"
#include "cli/SitesInput.h"
#include "core/SafeText.h"
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"
#include "files/SitePorts.h"
#include "link/PortList.h"
#include "link/PortMap.h"
#include "link/TransferProtocol.h"
#include "json/ProjectDiff.h"

#include <algorithm>
#include <cstdio>

namespace korvisel::cli {
namespace {

// How the messages name where the ports came from: the option the user typed.
std::string PortsOption(const TArgs& args) {
    const bool range =
        std::ranges::any_of(args, [](const std::string& a) { return a.starts_with("--ports"); });
    return range ? "--ports" : "--port";
}

// A Port cell that names no port, or the same device as an earlier row's cell in another spelling
// (ApplySitesTable finds only the same spelling): a problem of its row.
void CheckPortCells(std::vector<TSiteRow>& rows) {
    std::vector<std::string> taken;
    for (TSiteRow& row : rows) {
        if (row.Port.empty() ||
            std::ranges::any_of(row.Problems, [](const TSiteProblem& p) { return p.Column == PortColumn; }))
            continue;
        if (!PortOutOfRange({row.Port}).empty()) {
            row.Problems.push_back(
                {std::string(PortColumn),
                 row.Port + ": no such port; ports run from COM1 to COM" + std::to_string(PortCount)});
            continue;
        }
        taken.push_back(row.Port);
        if (!PortNamedTwice(taken).empty()) {
            taken.pop_back();
            row.Problems.push_back(
                {std::string(PortColumn), row.Port + " stands for the same device as another row's port"});
        }
    }
}

// The rows that go to a device, in the table's order, with their ports and their rows of progress.
struct TSitesBatch {
    std::vector<std::size_t> Rows;
    std::vector<std::string> Ports;
    std::vector<std::string> Labels;
    std::vector<std::vector<std::string>> Differences; // read and verify: each device's from its row
};

TSitesBatch BatchOf(const std::vector<TSiteRow>& rows) {
    TSitesBatch batch;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!rows[r].Problems.empty())
            continue;
        batch.Rows.push_back(r);
        batch.Ports.push_back(rows[r].Port);
        // A port comes from the table too: nothing of it reaches the terminal raw.
        batch.Labels.push_back(EscapedText(rows[r].Port) + " " + EscapedText(rows[r].Site));
    }
    batch.Differences.resize(batch.Rows.size());
    return batch;
}

// write: each device its own row's project.
void AddPayloads(const std::vector<TSiteRow>& rows, const TSitesBatch& batch, TBatchJob& job) {
    for (const std::size_t r : batch.Rows) {
        TBatchPayload payload;
        PackImage(rows[r].Project, payload.Outgoing);
        payload.Payload = BuildPayload(payload.Outgoing);
        job.PerPort.push_back(std::move(payload));
        // The check's gaps are said for every site; no Errors.txt could hold them all.
        WarnCheckFindings(rows[r].Site, rows[r].Project, "korvisel-cli apply and check show them");
    }
}

// read and verify: each device compared with its row's project, and with read saved into the folder
// under the site's name.
void CompareReads(const std::vector<TSiteRow>& rows, TSitesBatch& batch, const std::string& folder,
                  TBatchJob& job) {
    job.SaveRead = [&rows, &batch, folder](const std::string& port,
                                           const TProjectInfo& read) -> TResult<std::string> {
        // Every transfer writes only its own port's slot.
        const std::size_t at =
            static_cast<std::size_t>(std::ranges::find(batch.Ports, port) - batch.Ports.begin());
        const TSiteRow& row = rows[batch.Rows[at]];
        batch.Differences[at] = ProjectDifferences(read, row.Project, "device", "site");
        if (folder.empty())
            return std::string();
        const std::string stem =
            row.FileName.substr(0, row.FileName.size() - std::string_view(ProjectFileExtension).size());
        const std::string file = DatedReadFile(folder, stem + "-");
        TProjectInfo project = read;
        if (const TResult<> saved = SaveProjectFile(file, project); !saved.Ok())
            return TResult<std::string>::Failure(saved.Reason());
        return file;
    };
}

TSiteOutcome OutcomeOf(const TSiteRow& row, TTransferMode mode, const TBatchResult* result,
                       const std::vector<std::string>* differences) {
    TSiteOutcome outcome{row.Site, row.Port, "refused", std::nullopt, "", ""};
    if (!result) {
        outcome.Detail = SiteProblemText(row, row.Problems.front());
        if (row.Problems.size() > 1)
            outcome.Detail += " (and " + std::to_string(row.Problems.size() - 1) + " more)";
        return outcome;
    }
    outcome.Seconds = result->Seconds;
    outcome.Firmware = result->Firmware;
    outcome.Result = StateWord(result->State, mode);
    outcome.Detail = ResultDetail(*result, mode);
    if (mode == TTransferMode::Read && result->State == TBatchState::Done) {
        outcome.Result = differences->empty() ? "equal" : "different";
        if (!differences->empty())
            outcome.Detail = std::to_string(differences->size()) + " fields differ" +
                             (outcome.Detail.empty() ? "" : "; " + outcome.Detail);
    }
    return outcome;
}

} // namespace

int RunSitesBatch(const TArgs& args, const TLineOptions& options, TSitesCommand command) {
    const std::string& table = options.Sites;
    TSitesInput sites;
    if (const int status = LoadSites(options.Operands[0], table, sites); status >= 0)
        return status;
    const bool portColumn = HasPortColumn(sites.Table);
    if (!portColumn && options.Ports.empty())
        return Fail(
            table + ": the table has no Port column: give the ports in row order with --ports or --port", 2);
    if (command == TSitesCommand::Read)
        if (const int status = CheckReadFolder(options.Output); status >= 0)
            return status;
    std::vector<TSiteRow>& rows = sites.Rows;
    AssignSitePorts(rows, portColumn, {options.Ports, PortsOption(args)});
    CheckPortCells(rows);
    const std::size_t refused = ReportSiteProblems(table, rows);
    const TTransferMode mode = command == TSitesCommand::Write ? TTransferMode::Write : TTransferMode::Read;
    const char* const done = mode == TTransferMode::Write ? "written" : "read";
    if (options.AllOrNothing && refused > 0) {
        std::printf("no device %s: %zu of %zu sites refused\n", done, refused, rows.size());
        return 1;
    }

    TSitesBatch batch = BatchOf(rows);
    TBatchJob job;
    job.Mode = mode;
    job.KeepBackup = options.KeepBackup;
    job.Configure = LineSettings(args);
    if (mode == TTransferMode::Write)
        AddPayloads(rows, batch, job);
    else
        CompareReads(rows, batch, command == TSitesCommand::Read ? options.Output : std::string(), job);
    bool stopped = false;
    const std::vector<TBatchResult> results = batch.Ports.empty()
                                                  ? std::vector<TBatchResult>{}
                                                  : RunWithProgress(batch.Ports, batch.Labels, job, stopped);

    for (std::size_t b = 0; b < batch.Rows.size(); ++b)
        for (const std::string& line : batch.Differences[b])
            std::printf("%s (%s): %s\n", EscapedText(rows[batch.Rows[b]].Site).c_str(),
                        EscapedText(batch.Ports[b]).c_str(), line.c_str());
    std::vector<TSiteOutcome> outcomes;
    std::size_t succeeded = 0;
    bool differing = false;
    std::string untouched;
    for (std::size_t r = 0, b = 0; r < rows.size(); ++r) {
        const bool sent = b < batch.Rows.size() && batch.Rows[b] == r;
        outcomes.push_back(
            OutcomeOf(rows[r], mode, sent ? &results[b] : nullptr, sent ? &batch.Differences[b] : nullptr));
        const std::string& result = outcomes.back().Result;
        succeeded += result == "written" || result == "equal" ? 1u : 0u;
        differing = differing || result == "different";
        if (sent && LeftUnwritten(results[b], mode))
            untouched += (untouched.empty() ? "" : ", ") + rows[r].Site + " (" + rows[r].Port + ")";
        b += sent ? 1u : 0u;
    }
    for (const std::string& line : SitesSummary(outcomes))
        std::printf("%s\n", line.c_str());
    std::printf("%zu of %zu sites %s\n", succeeded, rows.size(),
                mode == TTransferMode::Write ? "written" : "hold their row's project");
    if (stopped)
        Fail("stopped" + (untouched.empty() ? std::string() : "; left unwritten: " + untouched));
    const int status = BatchExitStatus(results);
    return status != 130 && (refused > 0 || differing) ? 1 : status;
}

} // namespace korvisel::cli
