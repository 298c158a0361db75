// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "CliProcess.h"
#include "TempFolder.h"
#include "link/DeviceSimulatorProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace korvisel {
namespace {

using test::RunCli;
using test::TempFolder;

std::string WriteProject(const TempFolder& folder, const std::string& name, TProjectInfo project) {
    TDeviceImage image{};
    EXPECT_TRUE(WriteProjectFile(folder.File(name), project, image).Ok());
    return folder.File(name);
}

TEST(Cli, RoundTripsThroughJson) {
    TempFolder folder;
    TProjectInfo project;
    project.Phones[2] = {"5550002", "", false};
    project.Inputs[1].Enabled = true;
    project.Inputs[1].ReportType = TReportKind::Clip;
    project.Inputs[1].ClipEventPhone = 2;
    const std::string kv690 = WriteProject(folder, "site.KV690", project);

    ASSERT_EQ(RunCli({"convert", kv690, "site.json"}, folder.Path()).Status, 0);
    ASSERT_EQ(RunCli({"convert", "site.json", "again.kv690"}, folder.Path()).Status, 0);
    EXPECT_EQ(test::ReadBytes(folder.File("again.kv690")), test::ReadBytes(kv690));
    const test::CliRun first = RunCli({"convert", "site.json", "-"}, folder.Path());
    const test::CliRun second = RunCli({"convert", "again.kv690", "-"}, folder.Path());
    EXPECT_EQ(first.Out, second.Out);
    EXPECT_NE(first.Out.find("\"ClipEventPhone\": 2"), std::string::npos) << first.Out;
}

TEST(Cli, InfoSaysWhatTheEventCodeOfADataInputMeans) {
    TempFolder folder;
    TProjectInfo project;
    project.Inputs[2].Enabled = true;
    project.Inputs[2].ReportType = TReportKind::Data;
    project.Inputs[2].Cid.Code = {'1', '3', '0'};
    project.Inputs[3].Enabled = true;
    project.Inputs[3].ReportType = TReportKind::Data;
    project.Inputs[3].Cid.Code = {'9', '9', '9'};
    const test::CliRun run = RunCli({"info", WriteProject(folder, "site.KV690", project)}, folder.Path());
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("  Code 130: Burglary\n"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("Code 999"), std::string::npos) << "an unknown code is shown without a meaning";
}

TEST(Cli, CheckExitStatus) {
    TempFolder folder;
    TProjectInfo withPhone;
    withPhone.Phones[1] = {"111", "", false};
    TProjectInfo smsWithoutPhone = withPhone;
    smsWithoutPhone.Inputs[1].Enabled = true;
    struct Case {
        const char* name;
        TProjectInfo project;
        int status;
        std::string out;
    } cases[] = {
        {"empty.KV690", TProjectInfo{}, 2, "ERROR : Phone count = 0\n\n\n\nWARNINGS : 0\nERRORS   : 1\n"},
        {"quiet.KV690", withPhone, 0, ""},
        {"sms.KV690", smsWithoutPhone, 0,
         "ERROR : Input 1 Report: SMS; Phone Index: 0\n\nWARNING : Input 1 Report: SMS; Event Message EMPTY\n"
         "WARNING : Input 1 Report: SMS; Restore Message EMPTY\n\n\nWARNINGS : 2\nERRORS   : 1\n"},
    };
    for (const Case& c : cases) {
        const test::CliRun run = RunCli({"check", WriteProject(folder, c.name, c.project)}, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.name;
        EXPECT_EQ(run.Out, c.out) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("Errors.txt"))) << "check writes nothing";
}

// The values a file holds outside what the configurator sets, which its Problems panel lists, are
// warnings on standard error; the check report and the exit status stay as they are.
TEST(Cli, CheckWarnsOfTheValuesTheProblemsPanelLists) {
    TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"111", "", false};
    const std::string sound = WriteProject(folder, "sound.KV690", project);
    project.Inputs[2].ReactionTime = 0;
    project.TestDays = 200;
    project.TestHours = 99;
    project.TestMinutes = 7;
    project.AudioParams[1] = 15;
    const std::string odd = WriteProject(folder, "odd.KV690", project);
    const test::CliRun before = RunCli({"check", sound}, folder.Path());
    const test::CliRun run = RunCli({"check", "odd.KV690"}, folder.Path());
    EXPECT_EQ(run.Status, before.Status);
    EXPECT_EQ(run.Out, before.Out) << "the check report's own lines";
    const std::string prefix = "korvisel-cli: warning: odd.KV690: ";
    const std::string outside = " is outside what this program sets ";
    EXPECT_EQ(run.Err, prefix + "Time at input 2 - Responce Time: 0.0" + outside +
                           "(0.5 to 127.5); kept as it is\n" + prefix + "Time Cicle test - Day(s): 200" +
                           outside + "(0 to 30); kept as it is\n" + prefix + "Time Cicle test - Hour(s): 99" +
                           outside + "(0 to 23); kept as it is\n" + prefix + "Time Cicle test - Minuts: 70" +
                           outside + "(0 to 50); kept as it is\n" + prefix + "Audio parameter 1: 15" +
                           outside + "(0 to 4); kept as it is\n")
        << "the Problems panel's rows, in English";
    EXPECT_EQ(RunCli({"check", sound}, folder.Path()).Err, "") << "nothing for a sound file";

    const test::CliRun info = RunCli({"info", "odd.KV690"}, folder.Path());
    EXPECT_NE(info.Out.find("200 Days 99 Hours 70 Minut"), std::string::npos) << info.Out;
}

// A file altered since it was written (its checksum no longer matches) loads, but no command lets
// that pass unsaid, and convert's fresh checksum does not hide it.
TEST(Cli, AnAlteredFileIsSaidByEveryCommand) {
    TempFolder folder;
    TProjectInfo withPhone;
    withPhone.Phones[1] = {"111", "", false};
    std::vector<std::uint8_t> bytes = test::ReadBytes(WriteProject(folder, "site.KV690", withPhone));
    bytes[10 + 276] = '2'; // the phone's first digit
    test::WriteBytes(folder.File("site.KV690"), bytes);
    const std::string warning = "korvisel-cli: warning: site.KV690: the file's checksum does not match its "
                                "contents; check every setting before writing it\n";
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {{{"check", "site.KV690"}, 3},
                 {{"info", "site.KV690"}, 0},
                 {{"convert", "site.KV690", "out.KV690"}, 0}};
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.args[0];
        EXPECT_EQ(run.Err, warning) << c.args[0];
    }
    EXPECT_EQ(RunCli({"check", "out.KV690"}, folder.Path()).Status, 0) << "the converted file is the user's";
}

// Nothing a file holds reaches the terminal raw: texts are shown escaped, echoed values cut short.
TEST(Cli, NoControlByteOfAFileReachesTheTerminal) {
    TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"111", "", false};
    project.Inputs[1].SmsEventText = "\x1B]0;HI\a";
    WriteProject(folder, "esc.KV690", project);
    ASSERT_EQ(RunCli({"convert", "esc.KV690", "base.json"}, folder.Path()).Status, 0);
    const std::vector<std::uint8_t> base = test::ReadBytes(folder.File("base.json"));
    const auto json = [&](const char* name, const std::string& from, const std::string& to) {
        std::string text(base.begin(), base.end());
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), from.size(), to);
        test::WriteBytes(folder.File(name), std::vector<std::uint8_t>(text.begin(), text.end()));
    };
    json("pin.json", R"("Pin": "9481")", R"("Pin": "\u001b[2J\u00079481")");
    json("nul.json", R"("Pin": "9481")", R"("Pin": "94\u000081")");
    json("long.json", R"("Pin": "9481")", "\"Pin\": \"" + std::string(200, '7') + "\"");
    json("key.json", "{", R"({"\u001b[31mRed": 1,)");
    const struct {
        std::vector<std::string> args;
        std::string shown; // in the output or the message
    } cases[] = {
        {{"info", "esc.KV690"}, "\\x1B]0;HI\\x07"},
        {{"check", "pin.json"}, "\"\\x1B[2J\\x079481\" must be 4 characters"},
        {{"check", "nul.json"}, "\"94\\x0081\" must be 4 characters"},
        {{"check", "long.json"}, "\"" + std::string(80, '7') + "... (200 bytes)\" must be 4 characters"},
        {{"check", "key.json"}, "\\x1B[31mRed"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        const std::string all = run.Out + run.Err;
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](char ch) { return (ch >= 0 && ch < 0x20 && ch != '\n') || ch == 0x7F; }),
                  0)
            << c.args[1] << ": " << all;
        EXPECT_NE(all.find(c.shown), std::string::npos) << c.args[1] << ": " << all;
    }
}

// A file's name is outside text too: one holding ESC or a line break is shown escaped wherever a
// command names the file.
TEST(Cli, NoControlByteOfAFileNameReachesTheTerminal) {
    TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"111", "", false};
    const std::string first = "a\x1B[31m\nb.KV690", second = "c\x1B]0;T\a.KV690";
    WriteProject(folder, first, project);
    std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File(first));
    bytes[10 + 276] = '2'; // altered since it was written: a warning names the file
    test::WriteBytes(folder.File(first), bytes);
    project.Inputs[2].ReactionTime = 13;
    WriteProject(folder, second, project);
    const struct {
        std::vector<std::string> args;
        std::string shown;
    } cases[] = {
        {{"check", first}, "warning: a\\x1B[31m\\x0Ab.KV690: the file's checksum does not match"},
        {{"check", "gone\x1B[2J.KV690"}, "gone\\x1B[2J.KV690: not found"},
        {{"diff", second, first}, "Inputs[2].ReactionTime: c\\x1B]0;T\\x07.KV690 13, a\\x1B[31m\\x0Ab.KV690"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        const std::string all = run.Out + run.Err;
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](char ch) { return (ch >= 0 && ch < 0x20 && ch != '\n') || ch == 0x7F; }),
                  0)
            << c.args[0] << ": " << all;
        EXPECT_NE(all.find(c.shown), std::string::npos) << c.args[0] << ": " << all;
    }
}

TEST(Cli, ConvertsAnOlderFileIntoAFreshImage) {
    TempFolder folder;
    TProjectInfo project;
    project.Inputs[2].Enabled = true;
    project.Inputs[2].SmsEventText = "OLD";
    TDeviceImage image{};
    PackImage(project, image);
    test::WriteBytes(folder.File("old.KRV"), std::vector<std::uint8_t>(image.begin(), image.begin() + 224));
    const test::CliRun run = RunCli({"convert", "old.KRV", "-"}, folder.Path());
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("\"SmsEventText\": \"OLD\""), std::string::npos);
    EXPECT_NE(run.Out.find("\"Number\": \"00000000000000000000000000000000\""), std::string::npos)
        << "the rest of the image is zero";
}

TEST(Cli, FailuresAreOneLineAndNonZero) {
    TempFolder folder;
    test::WriteBytes(folder.File("bad.json"), {'{', '}'});
    test::WriteBytes(folder.File("short.KV690"), std::vector<std::uint8_t>(100, 0));
    std::vector<std::uint8_t> cut = test::ReadBytes(WriteProject(folder, "cut.KV690", TProjectInfo{}));
    cut.resize(470);
    test::WriteBytes(folder.File("cut.KV690"), cut);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"info", "missing.KV690"}, 1, "korvisel-cli: missing.KV690: not found\n"},
        {{"check", "bad.json"}, 1, "korvisel-cli: bad.json: TestEnabled: is missing\n"},
        {{"info", "short.KV690"}, 1, "korvisel-cli: short.KV690: not a project file\n"},
        {{"info", "cut.KV690"},
         1,
         "korvisel-cli: cut.KV690: truncated: the file ends before its image and checksum\n"},
        {{"convert", "cut.KV690", "out.txt"},
         1,
         "korvisel-cli: cut.KV690: truncated: the file ends before its image "
         "and checksum\n"},
        {{"convert", "bad.json", "out.KV690"}, 1, "korvisel-cli: bad.json: TestEnabled: is missing\n"},
        {{"frobnicate"}, 2, "korvisel-cli: frobnicate: not a command; see korvisel-cli --help\n"},
    };
    for (const Case& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.args[0];
        EXPECT_EQ(run.Err, c.err) << c.args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.KV690")));

    const std::string good = WriteProject(folder, "good.KV690", TProjectInfo{});
    const test::CliRun unwritable = RunCli({"convert", good, "gone/out.json"}, folder.Path());
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_EQ(unwritable.Err, "korvisel-cli: gone/out.json: No such file or directory\n");
}

TEST(Cli, HelpForEveryCommand) {
    TempFolder folder;
    for (const char* command : {"info", "check", "convert", "ports", "read", "write"}) {
        const test::CliRun run = RunCli({command, "--help"}, folder.Path());
        EXPECT_EQ(run.Status, 0) << command;
        EXPECT_NE(run.Out.find(std::string("korvisel-cli ") + command), std::string::npos) << command;
    }
    EXPECT_EQ(RunCli({"--version"}, folder.Path()).Out, "korvisel-cli 2.59.32\n");
}

TEST(Cli, APortThatCannotBeOpenedSaysWhy) {
    TempFolder folder;
    ::setenv("KORVISEL_PORTS", folder.Path().c_str(), 1);
    ASSERT_EQ(::symlink("/nonexistent/tty", folder.File("COM5").c_str()), 0);
    const std::string project = WriteProject(folder, "p.KV690", [] {
        TProjectInfo p;
        p.Phones[1] = {"1", "", false};
        return p;
    }());
    const test::CliRun run = RunCli({"write", "--port", "COM5", project}, folder.Path());
    ::unsetenv("KORVISEL_PORTS");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "korvisel-cli: COM5 (" + folder.File("COM5") +
                           "): no such device: " + folder.File("COM5") + "\n");
}

TEST(Cli, ADeviceThatDoesNotAnswerIsReported) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--no-answer"});
    ASSERT_TRUE(simulator.Ready());
    const test::CliRun run =
        RunCli({"read", "--port", "COM9", "--no-device-check", "-o", "x.json"}, folder.Path());
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("korvisel-cli: COM9: The device not linked up\n"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.json")));

    // A pseudo-terminal has no modem lines: with the check on, the message says how to get past it.
    const test::CliRun checked = RunCli({"read", "--port", "COM9", "-o", "x.json"}, folder.Path());
    EXPECT_EQ(checked.Status, 1);
    EXPECT_NE(checked.Err.find("The device not linked up (no modem line is active"), std::string::npos)
        << checked.Err;
    EXPECT_NE(checked.Err.find("try --no-device-check)"), std::string::npos) << checked.Err;
}

TEST(CliSlow, WriteThenReadTheSimulatedDevice) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--firmware", "2.60"});
    ASSERT_TRUE(simulator.Ready());
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    project.Inputs[3].Enabled = true;
    project.Inputs[3].SmsPhone = 1;
    project.Inputs[3].SmsEventText = "FIRE";
    project.Inputs[3].SmsRestoreText = "NO FIRE";
    const std::string file = WriteProject(folder, "site.KV690", project);

    const test::CliRun written =
        RunCli({"write", "--port", "COM9", "--no-device-check", file}, folder.Path());
    ASSERT_EQ(written.Status, 0) << written.Err;
    EXPECT_NE(written.Err.find("Write Data - complete"), std::string::npos) << written.Err;

    const test::CliRun read =
        RunCli({"read", "--port", "COM9", "--no-device-check", "-o", "back.KV690"}, folder.Path());
    ASSERT_EQ(read.Status, 0) << read.Err;
    EXPECT_EQ(read.Out, "firmware version: 2.60\n");
    EXPECT_EQ(test::ReadBytes(folder.File("back.KV690")), test::ReadBytes(file));

    // Each transfer kept a copy of the device's settings, and says where.
    EXPECT_NE(written.Err.find("copy of the device's settings kept: " + folder.Path() + "/korvisel/backups/"),
              std::string::npos)
        << written.Err;
    const std::vector<std::string> backups = test::FilesIn(folder.File("korvisel/backups"));
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_TRUE(backups[0].ends_with("-written-COM9.KV690")) << backups[0];
    EXPECT_TRUE(backups[1].ends_with("-read-COM9.KV690")) << backups[1];
    EXPECT_EQ(test::ReadBytes(folder.File("korvisel/backups/" + backups[1])), test::ReadBytes(file));

    project.Inputs[3].SmsEventText = "SMOKE";
    const test::CliRun verified = RunCli({"verify", "--port", "COM9", "--no-device-check", "--no-backup",
                                          WriteProject(folder, "changed.KV690", project)},
                                         folder.Path());
    EXPECT_EQ(verified.Status, 1) << verified.Err;
    EXPECT_EQ(verified.Out,
              "firmware version: 2.60\nInputs[3].SmsEventText: device \"FIRE\", file \"SMOKE\"\n");
}

TEST(Cli, DiffComparesWhatADeviceWouldHold) {
    TempFolder folder;
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "OWNER", false};
    project.Inputs[2].ReactionTime = 11;
    const std::string first = WriteProject(folder, "first.KV690", project);
    project.Phones[1].Name = "SOMEONE ELSE";
    const std::string renamed = WriteProject(folder, "renamed.KV690", project);
    project.Inputs[2].ReactionTime = 13;
    project.Phones[2] = {"+7900", "", false};
    const std::string changed = WriteProject(folder, "changed.KV690", project);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"diff", first, renamed}, 0, "", ""},
        {{"diff", "first.KV690", "changed.KV690"},
         1,
         "Phones[2].Number: first.KV690 \"\", changed.KV690 \"+7900\"\n"
         "Inputs[2].ReactionTime: first.KV690 11, changed.KV690 13\n",
         ""},
        {{"diff", first, "missing.json"}, 2, "", "korvisel-cli: missing.json: not found\n"},
        {{"diff", first}, 2, "", "Usage: korvisel-cli diff A B"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.args[1] << run.Err;
        EXPECT_EQ(run.Out, c.out) << c.args[1];
        EXPECT_TRUE(run.Err.starts_with(c.err)) << run.Err;
    }
}

TEST(Cli, FailuresAreReportedNotPassedOver) {
    TempFolder folder;
    const std::string file = WriteProject(folder, "site.KV690", TProjectInfo{});
    TProjectInfo changed;
    changed.Pin = {'1', '1', '1', '1'};
    const std::string other = WriteProject(folder, "other.KV690", changed);
    const struct {
        std::vector<std::string> args;
        std::string output;
        int status;
        const char* message;
    } cases[] = {
        {{"info", file}, "/dev/full", 1, "korvisel-cli: standard output: No space left on device"},
        {{"check", file}, "/dev/full", 1, "korvisel-cli: standard output: No space left on device"},
        // 1 would say "different".
        {{"diff", file, other}, "/dev/full", 3, "korvisel-cli: standard output: No space left on device"},
        // The output is checked before the port is even opened.
        {{"read", "--port", "COM9", "-o", "gone/back.json"},
         "",
         2,
         "gone/back.json: No such file or directory"},
        {{"read", "--port", "COM9", "-o", "back.txt"}, "", 2, "back.txt: can only write .KV690 or .json"},
        {{"read", "--port", "COM9", "-o", "locked.KV690"}, "", 2, "locked.KV690: Permission denied"},
        {{"read", "--port", "COM9", "-o", "pipe.json"}, "", 2, "pipe.json: not a regular file"},
        {{"convert", file, "loop.KV690"}, "", 1, "loop.KV690: Too many levels of symbolic links"},
    };
    test::WriteBytes(folder.File("locked.KV690"), {'x'});
    ::chmod(folder.File("locked.KV690").c_str(), 0444);
    ASSERT_EQ(::mkfifo(folder.File("pipe.json").c_str(), 0644), 0);
    std::filesystem::create_symlink("loop.KV690", folder.File("loop.KV690"));
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path(), c.output);
        EXPECT_EQ(run.Status, c.status) << run.Err;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
    }
}

} // namespace
} // namespace korvisel
