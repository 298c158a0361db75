// SPDX-License-Identifier: GPL-3.0-or-later
// Transfers on several devices at once: the board, the summary, and the command against several
// simulated devices, one of them faulty.
#include "cli/BatchBoard.h"
#include "cli/BatchSummary.h"
#include "cli/DeviceCheckHint.h"
#include "cli/LineOptions.h"
#include "files/ProjectFile.h"
#include "link/TransferMessages.h"

#include "CliProcess.h"
#include "TempFolder.h"
#include "link/DeviceSimulatorProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace korvisel {
namespace {

using test::RunCli;
using test::TempFolder;

TEST(Batch, TheSummarySaysHowEachDeviceEnded) {
    const std::vector<TBatchResult> results = {
        {"COM9", TBatchState::Done, 19.8, "2.59", "out/COM9-20261209-101500-001.KV690", {}},
        {"COM10", TBatchState::Failed, 3.2, "", "The device not linked up",
         TResult<std::string>("trace.log")},
    };
    EXPECT_EQ(cli::BatchSummary(results, TTransferMode::Read),
              (std::vector<std::string>{
                  "PORT   RESULT       TIME  FIRMWARE  DETAIL",
                  "COM9   read       19.8 s  2.59      out/COM9-20261209-101500-001.KV690",
                  "COM10  failed      3.2 s  -         The device not linked up",
              }));
    const struct {
        std::vector<TBatchState> states;
        int status;
    } cases[] = {
        {{TBatchState::Done, TBatchState::Done}, 0},
        {{TBatchState::Done, TBatchState::Failed}, 1},
        {{TBatchState::Failed, TBatchState::Stopped, TBatchState::Done}, 130},
        {{TBatchState::Done, TBatchState::Unconfirmed}, 4},
        {{TBatchState::Unconfirmed, TBatchState::Failed}, 1},
        {{}, 0},
    };
    for (const auto& c : cases) {
        std::vector<TBatchResult> rows;
        for (TBatchState state : c.states)
            rows.push_back({"COM1", state, 0, "", "", {}});
        EXPECT_EQ(BatchExitStatus(rows), c.status) << c.states.size();
    }
}

TEST(Batch, AFailureIsToldByItsFirstProblemElseByTheClosingMessage) {
    struct Case {
        std::vector<std::pair<TMessageKind, std::string>> Said;
        std::string Problem;
    };
    for (const Case& c : {
             Case{{{TMessageKind::Plain, "Write Data - complete"}}, "Write Data - complete"},
             Case{{{TMessageKind::Information, "The device not linked up"},
                   {TMessageKind::Error, "later"},
                   {TMessageKind::Plain, "Write Data - Error"}},
                  "The device not linked up"},
             Case{{{TMessageKind::Confirmation, "To write?"}}, ""},
         }) {
        TTransferMessages messages;
        for (const auto& [kind, text] : c.Said)
            EXPECT_TRUE(messages.Take(kind, text));
        EXPECT_EQ(messages.Problem(), c.Problem);
    }
    EXPECT_EQ(OneLine("Data Read - Error \r\nagain \n"), "Data Read - Error   again");
    EXPECT_EQ(WithDeviceCheckHint("The device not linked up", false), "The device not linked up")
        << "no hint to drop a check that was not made";
    EXPECT_NE(WithDeviceCheckHint("The device not linked up", true).find("try --no-device-check"),
              std::string::npos);
    EXPECT_EQ(WithDeviceCheckHint("Write Data - Error", true), "Write Data - Error");
}

TEST(Batch, APlainBoardSaysEachStepOnceWithItsPort) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    cli::TBatchBoard board({"COM9", "COM10"}, TTransferMode::Read, false, out);
    board.SetStep(0, "Test Connect");
    board.SetStep(0, "Test Connect");
    board.SetPercent(1, 40);
    board.SetStep(1, "Write Data");
    board.Redraw();
    board.SetResult(0, "failed in 3.2 s: The device not linked up");
    std::rewind(out);
    char buffer[512] = {};
    const std::size_t length = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer, length),
              "COM9: Test Connect\nCOM10: Write Data\nCOM9: failed in 3.2 s: The device not linked up\n");
}

TEST(Cli, PortsThatCannotAllBeServedAreRefusedBeforeAnythingStarts) {
    TempFolder folder;
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"write", "--port", "COM9", "--port", "com9", "missing.json"}, "com9: this device is named twice"},
        {{"write", "--ports", "COM1-COM3", "--port", "COM2", "missing.json"},
         "COM2: this device is named twice"},
        {{"read", "--ports", "COM3-COM1", "-o", "out/"}, "COM3-COM1: the range runs backwards"},
        {{"read", "--port", "COM1", "--port", "COM2", "-o", "missing/"}, "missing/: not a folder"},
        {{"verify", "--port", "COM1", "--port", "COM2", "site.KV690"}, "verify reads one device"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        EXPECT_EQ(run.Status, 2) << c.message;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "") << c.message;
    }
}

// The project every batch writes, saved as site.KV690; true when it was.
bool SaveSiteProject(const TempFolder& folder) {
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    project.Inputs[2].Enabled = true;
    project.Inputs[2].SmsPhone = 1;
    project.Inputs[2].SmsEventText = "GATE";
    TDeviceImage image{};
    return WriteProjectFile(folder.File("site.KV690"), project, image).Ok();
}

TEST(CliSlow, WriteAndReadSeveralDevicesWhileOneFails) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--port", "COM9", "--save", folder.File("stored9.KV690"),
                                            "--port", "COM10", "--no-answer", "--port", "COM11", "--save",
                                            folder.File("stored11.KV690")},
                                           {"COM9", "COM10", "COM11"});
    ASSERT_TRUE(simulator.Ready());
    ASSERT_TRUE(SaveSiteProject(folder));

    const test::CliRun written =
        RunCli({"write", "--ports", "COM9-COM11", "--port", "COM12", "--no-device-check", "site.KV690"},
               folder.Path());
    EXPECT_EQ(written.Status, 1) << written.Err;
    const auto row = [](const std::string& out, const std::string& port) {
        const std::size_t at = out.find("\n" + port + " ");
        return at == std::string::npos ? std::string() : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    };
    EXPECT_NE(row(written.Out, "COM9").find(" written "), std::string::npos) << written.Out;
    EXPECT_NE(row(written.Out, "COM10").find("The device not linked up"), std::string::npos) << written.Out;
    EXPECT_NE(row(written.Out, "COM11").find(" written "), std::string::npos) << written.Out;
    EXPECT_NE(row(written.Out, "COM12").find(" failed "), std::string::npos) << written.Out;
    EXPECT_EQ(test::ReadBytes(folder.File("stored9.KV690")), test::ReadBytes(folder.File("site.KV690")));
    EXPECT_EQ(test::ReadBytes(folder.File("stored11.KV690")), test::ReadBytes(folder.File("site.KV690")));

    std::filesystem::create_directory(folder.File("back"));
    const test::CliRun read =
        RunCli({"read", "--ports", "COM9-COM11", "--no-device-check", "-o", "back/"}, folder.Path());
    EXPECT_EQ(read.Status, 1) << read.Err;
    const std::vector<std::string> files = test::FilesIn(folder.File("back"));
    ASSERT_EQ(files.size(), 2u) << read.Out;
    EXPECT_TRUE(files[0].starts_with("COM11-") && files[1].starts_with("COM9-"))
        << files[0] << " " << files[1];
    for (const std::string& file : files)
        EXPECT_EQ(test::ReadBytes(folder.File("back/" + file)), test::ReadBytes(folder.File("site.KV690")));
    EXPECT_NE(row(read.Out, "COM9").find(" 2.59 "), std::string::npos) << read.Out;
}

TEST(CliSlow, ADeviceThatDiesFailsOnlyItsRowAndAtOnce) {
    TempFolder folder;
    test::DeviceSimulatorProcess staying;
    test::DeviceSimulatorProcess dying;
    ASSERT_TRUE(staying.Ready() && dying.Ready());
    const std::string stayingPort = staying.Folder() + "/COM9", dyingPort = dying.Folder() + "/COM9";
    ASSERT_TRUE(SaveSiteProject(folder));
    std::thread killer([&] {
        std::this_thread::sleep_for(std::chrono::seconds(8)); // while the block goes out
        dying.Stop();
    });
    const test::CliRun run =
        RunCli({"write", "--port", stayingPort, "--port", dyingPort, "--no-device-check", "site.KV690"},
               folder.Path());
    killer.join();
    EXPECT_EQ(run.Status, 1) << run.Err;
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> split;
        for (std::size_t at = 0; at < run.Out.size();) {
            const std::size_t end = run.Out.find('\n', at);
            split.push_back(run.Out.substr(at, end - at));
            at = end + 1;
        }
        return split;
    }();
    ASSERT_EQ(lines.size(), 3u) << run.Out;
    EXPECT_NE(lines[1].find(" written "), std::string::npos) << run.Out;
    EXPECT_NE(lines[2].find(" failed "), std::string::npos) << run.Out;
    // The dead device's row ended within the wait it was in, not 12 s later with the others.
    const double seconds = std::stod(lines[2].substr(lines[2].find(" failed ") + 8));
    EXPECT_LT(seconds, 9.5) << lines[2];
}

// Every row says what the single-device command says: a copy that could not be kept, a trace that
// could not be kept, and settings read that were lost because neither the output nor the copy could
// be written.
TEST(CliSlow, EveryRowSaysWhatCouldNotBeKept) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--count", "2"}, {"COM9", "COM10"});
    ASSERT_TRUE(simulator.Ready());
    ASSERT_TRUE(SaveSiteProject(folder));
    test::WriteBytes(folder.File("korvisel"), {'x'}); // where the backups and traces would go
    const test::CliRun written = RunCli(
        {"write", "--port", "COM9", "--port", "COM10", "--no-device-check", "site.KV690"}, folder.Path());
    EXPECT_EQ(written.Status, 0) << written.Err;
    for (const char* port : {"COM9", "COM10"}) {
        const std::size_t row = written.Out.find(std::string("\n") + port + " ");
        ASSERT_NE(row, std::string::npos) << written.Out;
        EXPECT_NE(written.Out.find("no copy of the device's settings kept: ", row), std::string::npos)
            << written.Out;
        EXPECT_NE(written.Err.find(std::string(port) + ": no transfer trace kept: "), std::string::npos)
            << written.Err;
    }

    std::filesystem::create_directory(folder.File("back"));
    std::thread remover([&] {
        std::this_thread::sleep_for(std::chrono::seconds(6)); // while the devices answer
        std::filesystem::remove_all(folder.File("back"));
    });
    const test::CliRun read = RunCli(
        {"read", "--port", "COM9", "--port", "COM10", "--no-device-check", "-o", "back/"}, folder.Path());
    remover.join();
    EXPECT_EQ(read.Status, 1) << read.Err;
    std::size_t lost = 0;
    for (std::size_t at = 0;
         (at = read.Out.find("the settings read could not be kept either: ", at)) != std::string::npos; ++at)
        ++lost;
    EXPECT_EQ(lost, 2u) << read.Out;
}

TEST(CliSlow, CtrlCStopsEveryTransferAndSaysWhichDevicesWereLeftUnwritten) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--count", "2"}, {"COM9", "COM10"});
    ASSERT_TRUE(simulator.Ready());
    ASSERT_TRUE(SaveSiteProject(folder));
    const test::CliRun run =
        RunCli({"write", "--port", "COM9", "--port", "COM10", "--no-device-check", "site.KV690"},
               folder.Path(), {}, 4000);
    EXPECT_EQ(run.Status, 130) << run.Err;
    EXPECT_NE(run.Err.find("korvisel-cli: stopped; left unwritten: COM9, COM10"), std::string::npos)
        << run.Err;
    EXPECT_NE(run.Out.find("COM10  stopped"), std::string::npos) << run.Out;
}

TEST(LineOptions, ValuesGoAfterABlankOrAnEqualsSign) {
    using cli::ParseLineOptions;
    using cli::TLineOptions;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--port", "COM3", "--speed", "19200", "--parity", "even", "-o", "a=b.json"},
             {"--port=COM3", "--speed=19200", "--parity=even", "-o", "a=b.json"},
             {"--port=COM3", "--speed", "19200", "--parity=even", "--output=a=b.json"},
         }) {
        TCommPortDriverEx port;
        TLineOptions options;
        ASSERT_TRUE(ParseLineOptions(args, port, options).Ok()) << args[0];
        EXPECT_EQ(options.Ports, std::vector<std::string>{"COM3"});
        EXPECT_EQ(port.BaudRate(), br19200);
        EXPECT_EQ(port.Parity(), ptEVEN);
        EXPECT_EQ(options.Output, "a=b.json") << "only the first equals sign divides";
    }
    TCommPortDriverEx port;
    TLineOptions options;
    EXPECT_EQ(ParseLineOptions({"--port=COM3", "--speed="}, port, options).Reason(),
              "--speed : not a valid setting");
}

} // namespace
} // namespace korvisel
