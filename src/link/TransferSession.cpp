// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferSession.h"

#include "link/RealTimeLink.h"
#include "link/TransferTrace.h"

namespace korvisel {

TTransferResult RunDeviceTransfer(TCommPortDriverEx& port, TTransferMode mode, const std::string& payload,
                                  ITransferView& view, std::function<void()> processEvents,
                                  const std::atomic<bool>* stop) {
    TTransferTrace trace;
    trace.Note(std::string(mode == TTransferMode::Read ? "read" : "write") + " on " + port.PortName() +
               (port.IsConnected() ? "" : " (not open: " + port.LastError() + ")"));
    const TTraceHandler previousTrace = port.OnTrace;
    port.OnTrace = [&trace](bool sent, const std::uint8_t* data, std::size_t count) {
        sent ? trace.Sent(data, count) : trace.Received(data, count);
    };

    TDriverTransferPort transferPort(port, stop);
    TSteadyClock clock;
    TPollingPump pump(port, std::move(processEvents));
    TTransferEngine engine(transferPort, clock, pump, view);
    if (mode == TTransferMode::Write)
        engine.TransferData = payload;

    TTransferResult result;
    result.Outcome = engine.Run(mode);
    port.OnTrace = previousTrace;
    static const char* const outcomes[] = {"success", "failure", "cancelled", "unconfirmed"};
    trace.Note(std::string("outcome: ") + outcomes[static_cast<int>(result.Outcome)]);
    result.TransferData = engine.TransferData;
    result.VersionAnswer = engine.VersionAnswer;
    result.CommitSent = engine.CommitSent;
    if (result.Outcome != TTransferOutcome::Cancelled)
        result.Log = WriteTransferLog(trace, TransferLogFolder());
    return result;
}

} // namespace korvisel
