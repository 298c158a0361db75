// SPDX-License-Identifier: GPL-3.0-or-later
// Time per project for what a save and an open do, and for the check before a device write.
#include "files/BlockChecksum.h"
#include "files/CheckReportFile.h"
#include "files/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace korvisel {
namespace {

TProjectInfo BusyProject() {
    TProjectInfo p;
    for (std::size_t k = 1; k <= PhoneCount; ++k)
        p.Phones[k] = {"+7900123456" + std::to_string(k), "", false};
    for (std::size_t i = 1; i <= InputCount; ++i) {
        TInputInfo& in = p.Inputs[i];
        in.Enabled = true;
        in.ReportType = static_cast<TReportKind>(i); // ALARM, SMS, CLIP, DATA
        in.SmsPhone = in.AlarmPhone = in.ClipEventPhone = in.DataPhone = 2;
        in.ClipRestorePhone = 3;
        in.SmsEventText = "EVENT " + std::to_string(i);
    }
    return p;
}

std::string ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvisel-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

void SaveAndOpen(benchmark::State& state) {
    const std::string folder = ScratchFolder();
    const std::string path = folder + "/bench.KV690";
    TProjectInfo project = BusyProject();
    TImageBuffers images;
    TProjectInfo loaded;
    for (auto _ : state) {
        if (!WriteProjectFile(path, project, images.Outgoing).Ok())
            state.SkipWithError("write failed");
        if (!ReadProjectFile(path, images.Incoming, loaded).Ok())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SaveAndOpen)->Unit(benchmark::kMicrosecond);

void PackAndChecksum(benchmark::State& state) {
    TProjectInfo project = BusyProject();
    TDeviceImage image{};
    for (auto _ : state) {
        PackImage(project, image);
        benchmark::DoNotOptimize(BlockChecksum(image));
    }
}
BENCHMARK(PackAndChecksum)->Unit(benchmark::kMicrosecond);

void CheckBeforeWrite(benchmark::State& state) {
    const std::string folder = ScratchFolder();
    const TProjectInfo project = BusyProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteCheckReport(CheckProject(project), {folder, folder}, nullptr));
    std::filesystem::remove_all(folder);
}
BENCHMARK(CheckBeforeWrite)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvisel

BENCHMARK_MAIN();
