// SPDX-License-Identifier: GPL-3.0-or-later
// One write or read on several devices at once: a thread per port, each with its own port, engine
// and timing, so that one device failing or hanging never disturbs the others.
#pragma once

#include "cli/BatchBoard.h"
#include "core/DeviceImage.h"
#include "core/Result.h"
#include "link/ScanningSerialPort.h"
#include "link/TransferEngine.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvisel::cli {

struct TBatchJob {
    TTransferMode Mode = TTransferMode::Write;
    std::string Payload;     // write: the block to send
    TDeviceImage Outgoing{}; // write: the image kept as a backup once written
    std::string Folder;      // read: where each device's project goes, named by port and time
    bool KeepBackup = true;
    std::function<void(TCommPortDriverEx&)> Configure; // the line settings of every port
};

// Unconfirmed: the whole project went out but the line was lost before the device confirmed it.
enum class TBatchState { Done, Failed, Stopped, Unconfirmed };

// The exit status of a write whose whole project went out unconfirmed.
constexpr int UnconfirmedStatus = 4;

struct TBatchResult {
    std::string Port;
    TBatchState State = TBatchState::Failed;
    double Seconds = 0;
    std::string Firmware;                    // read: the version the device answered
    std::string Detail;                      // what went wrong, or the file a read went to
    std::optional<TResult<std::string>> Log; // the transfer's trace, or why it could not be kept
};

// Runs the job on every port at once and returns when all have ended. `stop` ends every transfer
// still running within its current wait.
std::vector<TBatchResult> RunBatch(const std::vector<std::string>& ports, const TBatchJob& job,
                                   const std::atomic<bool>& stop, TBatchBoard& board);

// The table that ends the command: port, result, time, firmware, detail.
std::vector<std::string> BatchSummary(const std::vector<TBatchResult>& results, TTransferMode mode);

// 0 when every device succeeded, 130 when the batch was stopped, 1 when a device failed, 4 when
// the only thing wrong is a write that went out unconfirmed.
int BatchExitStatus(const std::vector<TBatchResult>& results);

} // namespace korvisel::cli
