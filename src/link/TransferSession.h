// One transfer with the device as the dialog and the command-line tool run it: on the real port in
// real time, with every byte traced to a log file in the user's data folder.
#pragma once

#include "link/ComPDEx.h"
#include "link/TransferEngine.h"

#include <functional>
#include <string>

namespace korvisel {

struct TTransferResult {
    TTransferOutcome Outcome = TTransferOutcome::Cancelled;
    std::string TransferData;
    std::string VersionAnswer;
    std::string LogPath;  // the trace of this run; empty when it could not be written
    std::string LogError; // why not
};

// `payload` is what a write sends (ignored for a read). `processEvents` is the owner's own event
// processing, run on every pass of every wait.
TTransferResult RunDeviceTransfer(TCommPortDriverEx& port, TTransferMode mode, const std::string& payload,
                                  ITransferView& view, std::function<void()> processEvents = {});

} // namespace korvisel
