// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/BatchTransfer.h"

#include "files/Backups.h"
#include "i18n/LanguageTexts.h"
#include "link/PortOpening.h"
#include "link/TransferCommands.h"
#include "link/TransferMessages.h"
#include "link/TransferSession.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace korvisel {
namespace {

using Clock = std::chrono::steady_clock;

// The transfer dialog of one row.
class TBatchRowView : public ITransferView {
public:
    TBatchRowView(IBatchProgress& progress, std::size_t row, const TLanguageTexts& texts)
        : progress_(progress), row_(row), texts_(texts) {}

    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey key) override { progress_.SetStep(row_, OneLine(texts_.Text(key))); }
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int) override {}
    void SetOverallBar(int value) override { progress_.SetPercent(row_, value * 100 / BarMaximum); }
    bool ShowMessage(TMessageKind kind, TTextKey key) override {
        return messages_.Take(kind, OneLine(texts_.Text(key)));
    }

    const TTransferMessages& Messages() const { return messages_; }

private:
    IBatchProgress& progress_;
    std::size_t row_;
    const TLanguageTexts& texts_;
    TTransferMessages messages_;
};

struct TDeviceRead {
    TDeviceImage Image{};
    TProjectInfo Project;
    std::string Firmware;
};

TDeviceRead Unpack(const TTransferResult& transfer) {
    TDeviceRead read;
    PrepareRead(read.Image);
    TDopPrintInfo print;
    AcceptReadData(transfer.TransferData, transfer.VersionAnswer, read.Image, read.Project, print);
    read.Firmware = print.FirmwareVersion;
    return read;
}

// A backup of the device's settings, noted in its result when it was kept.
TResult<std::string> KeepCopy(TBackupKind kind, const TDeviceImage& image, TBatchResult& result) {
    TResult<std::string> backup = KeepDeviceBackup(kind, result.Port, image);
    if (backup.Ok())
        result.Backups.push_back(backup.Value());
    return backup;
}

// Keeps what a device answered through the job, and a backup of it.
void AcceptRead(const TTransferResult& transfer, const TBatchJob& job, TBatchResult& result) {
    const TDeviceRead read = Unpack(transfer);
    result.Firmware = read.Firmware;
    std::optional<TResult<std::string>> backup;
    if (job.KeepBackup)
        backup = KeepCopy(TBackupKind::Read, read.Image, result);
    const TResult<std::string> saved = job.SaveRead(result.Port, read.Project);
    if (!saved.Ok()) {
        // What was read is never lost: without a copy yet, one is kept now.
        if (!backup || !backup->Ok())
            backup = KeepCopy(TBackupKind::Read, read.Image, result);
        result.State = TBatchState::Failed;
        result.Detail = saved.Reason() + ReadCopyNote(*backup);
        return;
    }
    result.State = TBatchState::Done;
    result.Detail = saved.Value() + (backup && !backup->Ok() ? "; " + BackupNote(*backup) : "");
}

const std::string& PayloadOf(const TBatchJob& job, std::size_t row) {
    return job.PerPort.empty() ? job.Payload : job.PerPort[row].Payload;
}

const TDeviceImage& OutgoingOf(const TBatchJob& job, std::size_t row) {
    return job.PerPort.empty() ? job.Outgoing : job.PerPort[row].Outgoing;
}

// Keeps the copy of what was written when the job asks for it; what to say when it could not be kept.
std::string KeepWrittenCopy(const TBatchJob& job, std::size_t row, TBatchResult& result) {
    if (!job.KeepBackup)
        return {};
    const TResult<std::string> backup = KeepCopy(TBackupKind::Written, OutgoingOf(job, row), result);
    return backup.Ok() ? std::string{} : BackupNote(backup);
}

// The device read into a backup before it is written; false (with the result told) when it must not
// be written.
bool KeepCopyBeforeWrite(TCommPortDriverEx& port, const std::atomic<bool>& stop, TBatchRowView& view,
                         const TLanguageTexts& texts, TBatchResult& result) {
    const TTransferResult copy = RunDeviceTransfer(port, TTransferMode::Read, {}, view, {}, &stop);
    result.Log = copy.Log;
    if (copy.Outcome != TTransferOutcome::Success) {
        result.State = stop ? TBatchState::Stopped : TBatchState::Failed;
        if (!stop) {
            result.Detail = WithArguments(texts.Text("PRG_SEVERAL_COPY_UNREAD"), {view.Messages().Problem()});
        }
        return false;
    }
    const TDeviceRead read = Unpack(copy);
    result.Firmware = read.Firmware;
    const TResult<std::string> backup = KeepCopy(TBackupKind::BeforeWrite, read.Image, result);
    if (!backup.Ok()) {
        result.Detail = WithArguments(texts.Text("PRG_SEVERAL_COPY_UNKEPT"), {backup.Reason()});
        return false;
    }
    return true;
}

void RunOne(std::size_t row, const TBatchJob& job, const TLanguageTexts& texts, const std::atomic<bool>& stop,
            IBatchProgress& progress, TBatchResult& result) {
    const Clock::time_point start = Clock::now();
    const auto end = [&] {
        result.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
        progress.Ended(row, result);
    };
    TCommPortDriverEx port;
    job.Configure(port);
    if (const TResult<> opened = OpenPort(port, result.Port, &texts); !opened.Ok()) {
        result.Detail = opened.Reason();
        return end();
    }
    const bool writing = job.Mode == TTransferMode::Write;
    if (writing && job.CopyBeforeWrite) {
        TBatchRowView copyView(progress, row, texts);
        if (!KeepCopyBeforeWrite(port, stop, copyView, texts, result)) {
            result.NoModemLine =
                NoModemLineSeen(copyView.Messages().Problem(), port.CheckLineStatus(), texts);
            port.Disconnect();
            return end();
        }
    }
    TBatchRowView view(progress, row, texts);
    const TTransferResult transfer = RunDeviceTransfer(port, job.Mode, PayloadOf(job, row), view, {}, &stop);
    port.Disconnect();
    result.Log = transfer.Log;
    result.CommitSent = transfer.CommitSent;
    if (transfer.Outcome == TTransferOutcome::Success) {
        if (writing) {
            result.State = TBatchState::Done;
            result.Detail = KeepWrittenCopy(job, row, result);
        } else {
            AcceptRead(transfer, job, result);
        }
    } else if (transfer.Outcome == TTransferOutcome::Unconfirmed) {
        result.State = TBatchState::Unconfirmed;
        const std::string lostCopy = KeepWrittenCopy(job, row, result);
        result.Detail = view.Messages().ClosingMessage() + (lostCopy.empty() ? "" : "; " + lostCopy);
    } else if (stop) {
        result.State = TBatchState::Stopped;
    } else {
        result.Detail = view.Messages().Problem();
        result.NoModemLine = NoModemLineSeen(result.Detail, port.CheckLineStatus(), texts);
    }
    end();
}

} // namespace

bool LeftUnwritten(const TBatchResult& result, TTransferMode mode) {
    return mode == TTransferMode::Write && result.State == TBatchState::Stopped && !result.CommitSent;
}

std::vector<TBatchResult> RunBatch(const std::vector<std::string>& ports, const TBatchJob& job,
                                   const std::atomic<bool>& stop, IBatchProgress& progress) {
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    const TLanguageTexts& texts = job.Texts ? *job.Texts : english;
    std::vector<TBatchResult> results(ports.size());
    if (!job.PerPort.empty() && job.PerPort.size() != ports.size())
        throw std::invalid_argument("RunBatch: a sites batch needs one payload per port");
    std::vector<std::thread> transfers;
    std::atomic<std::size_t> running = ports.size();
    for (std::size_t row = 0; row < ports.size(); ++row) {
        results[row].Port = ports[row];
        transfers.emplace_back([&, row] {
            RunOne(row, job, texts, stop, progress, results[row]);
            --running;
        });
    }
    while (running > 0) {
        progress.Redraw();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& transfer : transfers)
        transfer.join();
    progress.Redraw();
    return results;
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

} // namespace korvisel
