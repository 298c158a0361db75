// SPDX-License-Identifier: GPL-3.0-or-later
// The words of Write to Several Devices: which ports take part, each device's result, the end.
#include "link/SeveralDevices.h"

#include "i18n/LanguageTexts.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

const TLanguageTexts English = TLanguageTexts::BuiltInEnglish();

TEST(SeveralDevices, EveryPortIsOfferedWithWhyItCannotTakePart) {
    const struct {
        TPortRow row;
        bool cpuOpen;
        bool usable;
        std::string note;
    } cases[] = {
        {{"COM1", "/dev/ttyS0", TPortState::Absent, ""}, false, false, "no device"},
        {{"COM2", "/dev/ttyUSB0", TPortState::Free, ""}, false, true, ""},
        {{"COM3", "/dev/ttyUSB1", TPortState::Busy, "812 (minicom)"}, false, false, "held by 812 (minicom)"},
        {{"COM3", "/dev/ttyUSB1", TPortState::Busy, ""}, false, false, "another program holds it"},
        {{"COM4", "/dev/ttyUSB2", TPortState::Denied, ""},
         false,
         false,
         "permission denied: add the user to the dialout group and log in again"},
        // This program's own hold on the CPU port is no reason to leave it out; another's is.
        {{"COM5", "/dev/ttyACM0", TPortState::Busy, "77 (korvisel)"},
         true,
         true,
         "the CPU port: closed while the devices are written"},
        {{"COM5", "/dev/ttyACM0", TPortState::Busy, "812 (minicom)"}, false, false, "held by 812 (minicom)"},
        {{"COM5", "", TPortState::Absent, ""}, true, false, "no device"},
    };
    for (const auto& c : cases) {
        const std::vector<TOfferedPort> offered = OfferedPorts({c.row}, "COM5", c.cpuOpen, English);
        ASSERT_EQ(offered.size(), 1u);
        EXPECT_EQ(offered[0].Port, c.row.Port);
        EXPECT_EQ(offered[0].Device, c.row.Device);
        EXPECT_EQ(offered[0].Usable, c.usable) << c.note;
        EXPECT_EQ(offered[0].Note, c.note);
    }
}

TEST(SeveralDevices, EachResultAndTheEndAreToldInTheUsersWords) {
    const auto result = [](TBatchState state, std::string detail, bool commitSent = false,
                           bool noModemLine = false) {
        TBatchResult r{"COM9", state, 19.84, "", std::move(detail), {}, commitSent, noModemLine};
        return r;
    };
    const struct {
        TBatchResult r;
        std::string text;
    } cases[] = {
        {result(TBatchState::Done, ""), "written in 19.8 s"},
        {result(TBatchState::Done, "no copy of the device's settings kept: disk full"),
         "written in 19.8 s; no copy of the device's settings kept: disk full"},
        {result(TBatchState::Failed, "Write Data - Error"), "failed: Write Data - Error"},
        {result(TBatchState::Failed, "The device not linked up", false, true),
         "failed: The device not linked up (no modem line is active: on a pseudo-terminal or an adapter "
         "without modem lines, clear Device Check in Settings)"},
        {result(TBatchState::Unconfirmed, "Write Data - Error"),
         "sent whole but not confirmed (verify it): Write Data - Error"},
        {result(TBatchState::Stopped, ""), "stopped: the device was left unwritten"},
        {result(TBatchState::Stopped, "", true), "stopped after the device stored the project"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OfferedResultText(c.r, English), c.text);

    std::vector<TBatchResult> ended = {result(TBatchState::Done, ""), result(TBatchState::Failed, "x"),
                                       result(TBatchState::Unconfirmed, "y")};
    EXPECT_EQ(BatchEndText(ended, false, English), "1 of 3 devices written.");
    ended = {result(TBatchState::Done, ""), result(TBatchState::Stopped, ""),
             result(TBatchState::Stopped, "", true)};
    ended[1].Port = "COM10";
    EXPECT_EQ(BatchEndText(ended, true, English), "Stopped. Left unwritten: COM10")
        << "a device that stored the project was written";
    EXPECT_EQ(BatchEndText({result(TBatchState::Done, "")}, true, English), "Stopped. Left unwritten: -");
}

TEST(SeveralDevices, EveryPortTakesTheLineSettingsOfTheCpuPort) {
    TCommPortDriverEx cpu;
    cpu.SetBaudRate(br19200);
    cpu.SetDataBits(db7BITS);
    cpu.SetParity(ptEVEN);
    cpu.SetStopBits(sb2BITS);
    cpu.SetHwFlow(hfNONE);
    cpu.SetSwFlow(sfXONXOFF);
    cpu.SetEnableDTROnOpen(false);
    cpu.SetCheckLineStatus(false);
    cpu.SetOutputTimeout(75);
    EXPECT_EQ(LineSettingsText(cpu, English), "19200, 7-E-2, XON/XOFF");

    TCommPortDriverEx port;
    SameLineSettings(cpu)(port);
    EXPECT_EQ(port.BaudRate(), br19200);
    EXPECT_EQ(port.DataBits(), db7BITS);
    EXPECT_EQ(port.Parity(), ptEVEN);
    EXPECT_EQ(port.StopBits(), sb2BITS);
    EXPECT_EQ(port.HwFlow(), hfNONE);
    EXPECT_EQ(port.SwFlow(), sfXONXOFF);
    EXPECT_FALSE(port.EnableDTROnOpen());
    EXPECT_FALSE(port.CheckLineStatus());
    EXPECT_EQ(port.OutputTimeout(), 75);

    TDeviceImage outgoing{};
    outgoing[5] = 0x5A;
    const TBatchJob job = SeveralDevicesJob("payload", outgoing, cpu, true, English);
    EXPECT_EQ(job.Mode, TTransferMode::Write);
    EXPECT_EQ(job.Payload, "payload");
    EXPECT_EQ(job.Outgoing, outgoing);
    EXPECT_TRUE(job.KeepBackup && job.CopyBeforeWrite);
    EXPECT_EQ(job.Texts, &English);
    TCommPortDriverEx batchPort;
    job.Configure(batchPort);
    EXPECT_EQ(batchPort.BaudRate(), br19200) << "the job's ports take the CPU port's settings";

    TCommPortDriverEx defaults;
    defaults.SetBaudRate(br9600);
    defaults.SetHwFlow(hfRTSCTS);
    defaults.SetCheckLineStatus(true);
    EXPECT_EQ(LineSettingsText(defaults, English), "9600, 8-N-1, RTS/CTS, Device Check");
}

} // namespace
} // namespace korvisel
