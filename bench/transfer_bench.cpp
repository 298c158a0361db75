// SPDX-License-Identifier: GPL-3.0-or-later
// Real-time write and read of one project against korvisel-devsim: the wall time of each and its
// ratio to the protocol's fixed minimum.
#include "link/RealTimeLink.h"
#include "link/TransferProtocol.h"

#include "link/AcceptingView.h"
#include "link/DeviceSimulatorProcess.h"

#include <chrono>
#include <cstdio>

namespace {

using namespace korvisel;

// The waits, gaps and byte pacing of each run, in milliseconds.
constexpr double WriteMinimumMs = 1500 + 150 + 1500 + 523 * 10 + 600 + 1400 + 50 + 300 + 9000;
constexpr double ReadMinimumMs = 1000 + 150 + 1500 + 50 + 4000 + 50 + 50 + 446 * 20;

double TimedRun(TTransferEngine& engine, TTransferMode mode, bool& ok) {
    const auto start = std::chrono::steady_clock::now();
    ok = engine.Run(mode) == TTransferOutcome::Success;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    test::DeviceSimulatorProcess simulator;
    if (!simulator.Ready()) {
        std::fprintf(stderr, "korvisel-devsim did not start\n");
        return 1;
    }
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    TDeviceImage outgoing{};
    PackImage(project, outgoing);

    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM9");
    if (!port.Connect()) {
        std::fprintf(stderr, "cannot open the simulator's port: %s\n", port.LastError().c_str());
        return 1;
    }
    TDriverTransferPort transferPort(port);
    TSteadyClock clock;
    TPollingPump pump(port);
    test::AcceptingView view;

    // The closing message follows each run after 20 ms; it is part of what the user waits for.
    bool wrote = false, read = false;
    TTransferEngine writer(transferPort, clock, pump, view);
    writer.TransferData = BuildPayload(outgoing);
    const double writeMs = TimedRun(writer, TTransferMode::Write, wrote) - 20;
    TTransferEngine reader(transferPort, clock, pump, view);
    const double readMs = TimedRun(reader, TTransferMode::Read, read) - 20;

    std::printf("write: %.3f s, %.4f of the %.3f s minimum%s\n", writeMs / 1000, writeMs / WriteMinimumMs,
                WriteMinimumMs / 1000, wrote ? "" : " (FAILED)");
    std::printf("read:  %.3f s, %.4f of the %.3f s minimum%s\n", readMs / 1000, readMs / ReadMinimumMs,
                ReadMinimumMs / 1000, read ? "" : " (FAILED)");
    return wrote && read ? 0 : 1;
}
