// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-cli apply of a sites table of 10,000 rows, each setting a phone number, an SMS text, a
// Contact ID object and the PIN: the wall time of the whole command.
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"

#include "TempFolder.h"
#include "cli/CliProcess.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

int main() {
    using namespace korvisel;
    constexpr int Sites = 10000;
    test::TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    project.Inputs[1].Enabled = true;
    project.Inputs[3].ReportType = TReportKind::Data;
    TDeviceImage image{};
    if (!WriteProjectFile(folder.File("company.KV690"), project, image).Ok())
        return 1;
    {
        std::ofstream table(folder.File("sites.csv"), std::ios::binary);
        table << "Site,Phones[2].Number,Inputs[1].SmsEventText,Inputs[3].Cid.Object,Pin\r\n";
        for (int n = 1; n <= Sites; ++n)
            table << "Site " << n << ",+7900" << 1000000 + n << ",OPEN " << n % 10000 << ","
                  << 1000 + n % 9000 << "," << 1000 + n % 9000 << "\r\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const test::CliRun run =
        test::RunCli({"apply", "company.KV690", "sites.csv", "-o", "out"}, folder.Path());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("apply of %d sites: %.3f s%s\n", Sites, seconds, run.Status == 0 ? "" : " (FAILED)");
    if (run.Status != 0)
        std::fputs(run.Err.substr(0, 2000).c_str(), stderr);
    return run.Status == 0 ? 0 : 1;
}
