// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchTransfer.h"

#include "cli/LineOptions.h"
#include "cli/ProjectFiles.h"
#include "files/Backups.h"
#include "files/DatedFiles.h"
#include "link/TransferCommands.h"
#include "link/TransferSession.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace korvisel::cli {
namespace {

using Clock = std::chrono::steady_clock;

const char* StateWord(TBatchState state, TTransferMode mode) {
    switch (state) {
    case TBatchState::Done:
        return mode == TTransferMode::Write ? "written" : "read";
    case TBatchState::Stopped:
        return "stopped";
    case TBatchState::Unconfirmed:
        return "unconfirmed";
    case TBatchState::Failed:
        break;
    }
    return "failed";
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

// Saves what a device answered as its own project file in the job's folder.
void AcceptRead(const TTransferResult& transfer, const TBatchJob& job, TBatchResult& result) {
    TImageBuffers images;
    PrepareRead(images.Incoming);
    TProjectInfo project;
    TDopPrintInfo print;
    AcceptReadData(transfer.TransferData, transfer.VersionAnswer, images.Incoming, project, print);
    result.Firmware = print.FirmwareVersion;
    std::optional<TResult<std::string>> backup;
    if (job.KeepBackup)
        backup = KeepDeviceBackup(TBackupKind::Read, result.Port, images.Incoming);
    const std::string file =
        job.Folder + "/" +
        DatedFileName(PlainPortName(result.Port) + "-", ".KV690", std::chrono::system_clock::now());
    if (const TResult<> saved = SaveProjectFile(file, project); !saved.Ok()) {
        // What was read is never lost: without a copy yet, one is kept now.
        if (!backup || !backup->Ok())
            backup = KeepDeviceBackup(TBackupKind::Read, result.Port, images.Incoming);
        result.State = TBatchState::Failed;
        result.Detail = saved.Reason() + ReadCopyNote(*backup);
        return;
    }
    result.State = TBatchState::Done;
    result.Detail = file + (backup && !backup->Ok() ? "; " + BackupNote(*backup) : "");
}

// Keeps the copy of what was written when the job asks for it; what to say when it could not be kept.
std::string KeepWrittenCopy(const TBatchJob& job, const std::string& port) {
    if (!job.KeepBackup)
        return {};
    const TResult<std::string> backup = KeepDeviceBackup(TBackupKind::Written, port, job.Outgoing);
    return backup.Ok() ? std::string{} : BackupNote(backup);
}

void RunOne(std::size_t row, const TBatchJob& job, const std::atomic<bool>& stop, TBatchBoard& board,
            TBatchResult& result) {
    const Clock::time_point start = Clock::now();
    TCommPortDriverEx port;
    job.Configure(port);
    if (const TResult<> opened = OpenPort(port, result.Port); !opened.Ok()) {
        result.Detail = opened.Reason();
        result.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
        board.SetResult(row, "failed: " + opened.Reason());
        return;
    }
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TBatchRowView view(board, row, texts);
    const TTransferResult transfer = RunDeviceTransfer(port, job.Mode, job.Payload, view, {}, &stop);
    port.Disconnect();
    result.Log = transfer.Log;
    const bool writing = job.Mode == TTransferMode::Write;
    if (transfer.Outcome == TTransferOutcome::Success) {
        if (writing) {
            result.State = TBatchState::Done;
            result.Detail = KeepWrittenCopy(job, result.Port);
        } else {
            AcceptRead(transfer, job, result);
        }
    } else if (transfer.Outcome == TTransferOutcome::Unconfirmed) {
        result.State = TBatchState::Unconfirmed;
        const std::string lostCopy = KeepWrittenCopy(job, result.Port);
        result.Detail = view.ClosingMessage() + (lostCopy.empty() ? "" : "; " + lostCopy);
    } else if (stop) {
        result.State = TBatchState::Stopped;
        result.Detail = !writing              ? "stopped before the device was read"
                        : transfer.CommitSent ? "stopped after the device stored the project"
                                              : "stopped: the device was left unwritten";
    } else {
        result.Detail = WithDeviceCheckHint(view.Problem(), port.CheckLineStatus());
    }
    result.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    board.SetResult(row, std::string(StateWord(result.State, job.Mode)) + " in " + Seconds(result.Seconds) +
                             (result.Detail.empty() ? "" : ": " + result.Detail));
}

} // namespace

std::vector<TBatchResult> RunBatch(const std::vector<std::string>& ports, const TBatchJob& job,
                                   const std::atomic<bool>& stop, TBatchBoard& board) {
    std::vector<TBatchResult> results(ports.size());
    std::vector<std::thread> transfers;
    std::atomic<std::size_t> running = ports.size();
    for (std::size_t row = 0; row < ports.size(); ++row) {
        results[row].Port = ports[row];
        transfers.emplace_back([&, row] {
            RunOne(row, job, stop, board, results[row]);
            --running;
        });
    }
    while (running > 0) {
        board.Redraw();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& transfer : transfers)
        transfer.join();
    board.Redraw();
    return results;
}

std::vector<std::string> BatchSummary(const std::vector<TBatchResult>& results, TTransferMode mode) {
    std::size_t width = 4;
    for (const TBatchResult& r : results)
        width = std::max(width, r.Port.size());
    const auto row = [&](const std::string& port, const std::string& result, const std::string& time,
                         const std::string& firmware, const std::string& detail) {
        char text[128];
        std::snprintf(text, sizeof text, "%-*s  %-8s  %7s  %-8s", static_cast<int>(width), port.c_str(),
                      result.c_str(), time.c_str(), firmware.c_str());
        std::string line = std::string(text) + "  " + detail;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        return line;
    };
    std::vector<std::string> lines{row("PORT", "RESULT", "TIME", "FIRMWARE", "DETAIL")};
    for (const TBatchResult& r : results) {
        lines.push_back(row(r.Port, StateWord(r.State, mode), Seconds(r.Seconds),
                            r.Firmware.empty() ? "-" : r.Firmware, r.Detail));
    }
    return lines;
}

int BatchExitStatus(const std::vector<TBatchResult>& results) {
    const auto any = [&](TBatchState state) {
        return std::any_of(results.begin(), results.end(),
                           [state](const TBatchResult& r) { return r.State == state; });
    };
    if (any(TBatchState::Stopped))
        return 130;
    if (any(TBatchState::Failed))
        return 1;
    return any(TBatchState::Unconfirmed) ? UnconfirmedStatus : 0;
}

} // namespace korvisel::cli
