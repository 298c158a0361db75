// SPDX-License-Identifier: GPL-3.0-or-later
// One write or read on several devices at once: a thread per port, each with its own port, engine
// and timing, so that one device failing or hanging never disturbs the others. The command line and
// the window run the same batch; each shows its progress in its own way.
#pragma once

#include "core/PrjTypes.h"
#include "core/Result.h"
#include "fields/DeviceImage.h"
#include "link/ScanningSerialPort.h"
#include "link/TransferEngine.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvisel {

class TLanguageTexts;

// What one device is written: the block sent and the image kept as its backup.
struct TBatchPayload {
    std::string Payload;
    TDeviceImage Outgoing{};
};

struct TBatchJob {
    TTransferMode Mode = TTransferMode::Write;
    std::string Payload;     // write: the block to send
    TDeviceImage Outgoing{}; // write: the image kept as a backup once written
    // write of a sites table: each port's own block, in the order of the ports; when empty, every
    // port gets Payload.
    std::vector<TBatchPayload> PerPort;
    bool KeepBackup = true;
    // write: each device is read into a backup first, and a device whose copy cannot be kept is not
    // written; the read also tells the device's firmware.
    bool CopyBeforeWrite = false;
    std::function<void(TCommPortDriverEx&)> Configure; // the line settings of every port
    // read: keeps what a device held as a project; the file it went to, or why it could not be kept.
    std::function<TResult<std::string>(const std::string& port, const TProjectInfo& project)> SaveRead;
    // The language of the steps and of the device's messages; built-in English when none is given.
    const TLanguageTexts* Texts = nullptr;
};

// Unconfirmed: the whole project went out but the line was lost before the device confirmed it.
enum class TBatchState { Done, Failed, Stopped, Unconfirmed };

// The exit status of a write whose whole project went out unconfirmed.
constexpr int UnconfirmedStatus = 4;

struct TBatchResult {
    std::string Port;
    TBatchState State = TBatchState::Failed;
    double Seconds = 0;
    std::string Firmware; // the version the device answered to a read
    // What went wrong, the file a read went to, or a copy that could not be kept; empty for a stop.
    std::string Detail;
    std::optional<TResult<std::string>> Log; // the transfer's trace, or why it could not be kept
    bool CommitSent = false;                 // the device was told to store the project
    bool NoModemLine = false;                // failed because the port's modem lines showed no device
    std::vector<std::string> Backups = {};   // the copies of the device's settings kept, oldest first
};

// A write that was stopped before the device was told to store anything: the device keeps what it had.
bool LeftUnwritten(const TBatchResult& result, TTransferMode mode);

// What a batch tells while it runs. Every call but Redraw comes from the transfers' threads.
class IBatchProgress {
public:
    virtual ~IBatchProgress() = default;
    virtual void SetStep(std::size_t row, const std::string& step) = 0;
    virtual void SetPercent(std::size_t row, int percent) = 0;
    virtual void Ended(std::size_t row, const TBatchResult& result) = 0;
    // From the thread that runs the batch, ten times a second while transfers run and once at the end.
    virtual void Redraw() {}
};

// Runs the job on every port at once and returns when all have ended. `stop` ends every transfer
// still running within its current wait.
std::vector<TBatchResult> RunBatch(const std::vector<std::string>& ports, const TBatchJob& job,
                                   const std::atomic<bool>& stop, IBatchProgress& progress);

// 0 when every device succeeded, 130 when the batch was stopped, 1 when a device failed, 4 when
// the only thing wrong is a write that went out unconfirmed.
int BatchExitStatus(const std::vector<TBatchResult>& results);

} // namespace korvisel
