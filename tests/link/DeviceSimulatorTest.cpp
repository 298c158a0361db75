// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a project into the simulated device and reads it back, in real time over a real
// pseudo-terminal, as the configurator does with a device.
#include "core/CheckProject.h"
#include "link/TransferCommands.h"
#include "link/TransferSession.h"

#include "AcceptingView.h"
#include "DeviceSimulatorProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvisel {
namespace {

using test::AcceptingView;

TEST(DeviceSimulator, LinksItsPortAndRemovesTheLinkAtExit) {
    test::DeviceSimulatorProcess simulator;
    ASSERT_TRUE(simulator.Ready());
    const std::string link = simulator.Folder() + "/COM9";
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(simulator.Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(DeviceSimulator, ServesEveryPortItIsGiven) {
    const struct {
        std::vector<std::string> options;
        std::vector<std::string> ports;
    } cases[] = {
        {{"--port", "COM9", "--port", "COM10", "--no-answer", "--port", "COM3"}, {"COM10", "COM3", "COM9"}},
        {{"--count", "3", "--port", "COM14"}, {"COM14", "COM15", "COM16"}},
        {{"--count", "2"}, {"COM10", "COM9"}},
    };
    // The ports in the order of their names, as a folder lists them sorted.
    for (const auto& c : cases) {
        test::DeviceSimulatorProcess simulator(c.options, c.ports);
        ASSERT_TRUE(simulator.Ready()) << c.ports[0];
        EXPECT_EQ(test::FilesIn(simulator.Folder()), c.ports);
        EXPECT_EQ(simulator.Stop(), 0);
        EXPECT_EQ(test::FilesIn(simulator.Folder()), std::vector<std::string>{}) << "every link removed";
    }
}

TEST(DeviceSimulator, RefusesPortsItCannotServe) {
    const std::vector<std::string> refused[] = {
        {"--port", "COM9", "--port", "com9"},
        {"--count", "4", "--port", "COM14"},
        {"--count", "2", "--port", "COM1", "--port", "COM2"},
        {"--count", "2", "--save", "one.KV690"},
        {"--port", "ttyS0"},
    };
    for (const auto& options : refused) {
        test::DeviceSimulatorProcess simulator(options, {"COM1"});
        EXPECT_EQ(simulator.EndedWith(), 2) << options[1] << " " << options.back();
    }
}

TEST(DeviceSimulatorSlow, WriteAProjectAndReadItBack) {
    test::TempFolder folder;
    const std::string saved = folder.File("stored.KV690");
    test::DeviceSimulatorProcess simulator({"--save", saved, "--firmware", "3.14"});
    ASSERT_TRUE(simulator.Ready());

    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "Owner", false};
    project.Inputs[2].Enabled = true;
    project.Inputs[2].SmsPhone = 1;
    project.Inputs[2].SmsEventText = "WINDOW";
    project.Outputs[1].Time = 99;
    TImageBuffers images;
    const auto payload = PrepareWrite(project, images.Outgoing, {folder.Path(), folder.Path()}, nullptr);
    ASSERT_TRUE(payload);

    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM9");
    port.SetOutputTimeout(50);
    ASSERT_TRUE(port.Connect()) << port.LastError();
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    AcceptingView view;
    int passes = 0;
    const TTransferResult written =
        RunDeviceTransfer(port, TTransferMode::Write, *payload, view, [&] { ++passes; });
    EXPECT_EQ(written.Outcome, TTransferOutcome::Success);
    EXPECT_GT(passes, 5000) << "the owner's events are processed every few milliseconds";
    EXPECT_LT(passes, 19730 * 2) << "a pass sleeps rather than spins";

    PrepareRead(images.Incoming);
    const TTransferResult read = RunDeviceTransfer(port, TTransferMode::Read, "", view);
    ASSERT_EQ(read.Outcome, TTransferOutcome::Success);
    TProjectInfo loaded;
    TDopPrintInfo print;
    AcceptReadData(read.TransferData, read.VersionAnswer, images.Incoming, loaded, print);
    ::unsetenv("XDG_DATA_HOME");

    EXPECT_EQ(view.messages, (std::vector<std::string>{"F2_MESSAGE_Q_W_D", "F2_WRITE_OK", "F2_MESSAGE_Q_R_D",
                                                       "F2_READ_OK"}));
    EXPECT_EQ(images.Incoming, images.Outgoing);
    EXPECT_EQ(loaded.Inputs[2].SmsEventText, "WINDOW");
    EXPECT_EQ(loaded.Outputs[1].Time, 99);
    EXPECT_EQ(print.FirmwareVersion, "3.14");
    EXPECT_TRUE(std::filesystem::exists(saved)) << "the simulator keeps the committed block";
    ASSERT_TRUE(read.Log && read.Log->Ok()) << (read.Log ? read.Log->Reason() : "no trace");
    const std::string& logPath = read.Log->Value();
    EXPECT_EQ(logPath.rfind(folder.File("korvisel/transfers/transfer-"), 0), 0u) << logPath;
    const std::vector<std::uint8_t> log = test::ReadBytes(logPath);
    EXPECT_NE(std::string(log.begin(), log.end()).find("> 23 |#|"), std::string::npos)
        << "the read request, as sent";
}

} // namespace
} // namespace korvisel
