// SPDX-License-Identifier: GPL-3.0-or-later
// Real-time write of one project into 1, 4 and 16 simulated devices at once with korvisel-cli: the
// wall time of each batch and its ratio to the protocol's fixed minimum of one write.
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"

#include "TempFolder.h"
#include "cli/CliProcess.h"
#include "link/DeviceSimulatorProcess.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace korvisel;

constexpr double WriteMinimumS = (1500 + 150 + 1500 + 523 * 10 + 600 + 1400 + 50 + 300 + 9000) / 1000.0;

} // namespace

int main() {
    test::TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    TDeviceImage image{};
    if (!WriteProjectFile(folder.File("site.KV690"), project, image).Ok())
        return 1;
    int status = 0;
    for (const int devices : {1, 4, 16}) {
        const std::string count = std::to_string(devices);
        std::vector<std::string> ports;
        for (int n = 1; n <= devices; ++n)
            ports.push_back("COM" + std::to_string(n));
        test::DeviceSimulatorProcess simulator({"--port", "COM1", "--count", count}, ports);
        if (!simulator.Ready()) {
            std::fprintf(stderr, "korvisel-devsim did not start %d devices\n", devices);
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const test::CliRun run = test::RunCli(
            {"write", "--ports", "COM1-COM" + count, "--no-device-check", "--no-backup", "site.KV690"},
            folder.Path());
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%2d devices: %.3f s, %.4f of the %.3f s minimum of one write%s\n", devices, seconds,
                    seconds / WriteMinimumS, WriteMinimumS, run.Status == 0 ? "" : " (FAILED)");
        std::fflush(stdout);
        if (run.Status != 0) {
            std::fputs(run.Out.c_str(), stderr);
            status = 1;
        }
    }
    return status;
}
