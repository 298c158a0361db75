// SPDX-License-Identifier: GPL-3.0-or-later
// One transfer with the device as the dialog and the command-line tool run it: on the real port in
// real time, with every byte traced to a log file in the user's data folder.
#pragma once

#include "core/Result.h"
#include "link/ScanningSerialPort.h"
#include "link/TransferEngine.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace korvisel {

struct TTransferResult {
    TTransferOutcome Outcome = TTransferOutcome::Cancelled;
    std::string TransferData;
    std::string VersionAnswer;
    // Where the trace of this run was kept, or why it could not be; nothing for a cancelled run.
    std::optional<TResult<std::string>> Log;
    bool CommitSent = false; // a write sent the commit, so the device stored the block
};

// `payload` is what a write sends (ignored for a read). `processEvents` is the owner's own event
// processing, run on every pass of every wait. When `stop` becomes true the run ends as if the line
// had been lost (within the current wait), and fails.
TTransferResult RunDeviceTransfer(TCommPortDriverEx& port, TTransferMode mode, const std::string& payload,
                                  ITransferView& view, std::function<void()> processEvents = {},
                                  const std::atomic<bool>* stop = nullptr);

} // namespace korvisel
