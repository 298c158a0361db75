// SPDX-License-Identifier: GPL-3.0-or-later
// Real-time write of one project into 1, 4 and 16 simulated devices at once with korvisel-cli: the
// wall time of each batch and its ratio to the protocol's fixed minimum of one write. Then 16 sites of
// a sites table, each device its own project, against the one write.
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"

#include "TempFolder.h"
#include "cli/CliProcess.h"
#include "link/DeviceSimulatorProcess.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace korvisel;

constexpr double WriteMinimumS = (1500 + 150 + 1500 + 523 * 10 + 600 + 1400 + 50 + 300 + 9000) / 1000.0;

struct TTimedRun {
    double Seconds = 0;
    bool Ok = false;
};

// One korvisel-cli write against `devices` simulated devices from COM1.
TTimedRun TimedWrite(const test::TempFolder& folder, int devices, std::vector<std::string> args) {
    std::vector<std::string> ports;
    for (int n = 1; n <= devices; ++n)
        ports.push_back("COM" + std::to_string(n));
    test::DeviceSimulatorProcess simulator({"--port", "COM1", "--count", std::to_string(devices)}, ports);
    if (!simulator.Ready()) {
        std::fprintf(stderr, "korvisel-devsim did not start %d devices\n", devices);
        return {};
    }
    args.insert(args.begin(), "write");
    const auto start = std::chrono::steady_clock::now();
    const test::CliRun run = test::RunCli(args, folder.Path());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (run.Status != 0)
        std::fputs((run.Out + run.Err).c_str(), stderr);
    return {seconds, run.Status == 0};
}

// Sixteen sites, each with its own phone, SMS text and PIN.
bool SaveSitesTable(const std::string& path) {
    std::ofstream table(path);
    table << "Site,Phones[1].Number,Inputs[1].SmsEventText,Pin\n";
    for (int n = 1; n <= 16; ++n)
        table << "Site " << n << ",+790011100" << (n < 10 ? "0" : "") << n << ",OPEN " << n << "," << 1000 + n
              << "\n";
    return static_cast<bool>(table.flush());
}

} // namespace

int main() {
    test::TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    project.Inputs[1].ReportType = TReportKind::Sms;
    project.Inputs[1].SmsPhone = 1;
    TDeviceImage image{};
    if (!WriteProjectFile(folder.File("site.KV690"), project, image).Ok() ||
        !SaveSitesTable(folder.File("sites.csv")))
        return 1;
    int status = 0;
    double oneWrite = 0;
    for (const int devices : {1, 4, 16}) {
        const std::string count = std::to_string(devices);
        const TTimedRun run =
            TimedWrite(folder, devices,
                       {"--ports", "COM1-COM" + count, "--no-device-check", "--no-backup", "site.KV690"});
        std::printf("%2d devices: %.3f s, %.4f of the %.3f s minimum of one write%s\n", devices, run.Seconds,
                    run.Seconds / WriteMinimumS, WriteMinimumS, run.Ok ? "" : " (FAILED)");
        std::fflush(stdout);
        if (devices == 1)
            oneWrite = run.Seconds;
        status = run.Ok ? status : 1;
    }
    const TTimedRun sites = TimedWrite(
        folder, 16,
        {"--sites", "sites.csv", "--ports", "COM1-COM16", "--no-device-check", "--no-backup", "site.KV690"});
    std::printf("16 sites:   %.3f s, %.4f of one write (%.3f s; the aim is at most 1.05)%s\n", sites.Seconds,
                sites.Seconds / oneWrite, oneWrite, sites.Ok ? "" : " (FAILED)");
    return sites.Ok ? status : 1;
}
