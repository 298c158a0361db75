// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferCommands.h"

#include "files/BlockChecksum.h"
#include "link/TransferProtocol.h"
#include "link/TransferTrace.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace korvisel {
namespace {

TEST(TransferCommands, WriteIsRefusedByAnEmptyPhoneBook) {
    test::TempFolder folder;
    TProjectInfo project;
    TDeviceImage outgoing{};
    int opened = 0;
    const TReportOpener opener = [&](const std::string&) { ++opened; };
    EXPECT_FALSE(PrepareWrite(project, outgoing, {folder.Path(), folder.Path()}, opener));
    EXPECT_EQ(opened, 1);

    project.Phones[2] = {"5551234", "", false};
    const auto payload = PrepareWrite(project, outgoing, {folder.Path(), folder.Path()}, opener);
    ASSERT_TRUE(payload);
    ASSERT_EQ(payload->size(), 466u);
    EXPECT_EQ(payload->substr(0, 450), std::string(outgoing.begin(), outgoing.end()));
    EXPECT_TRUE(PayloadChecksumMatches(*payload));
}

TEST(TransferCommands, AReportThatCannotBePlacedIsSaidButDoesNotStopTheWrite) {
    test::TempFolder folder;
    test::WriteBytes(folder.File("file"), {'x'});
    TProjectInfo project;
    project.Phones[2] = {"5551234", "", false};
    TDeviceImage outgoing{};
    std::string problem;
    const auto payload =
        PrepareWrite(project, outgoing, {folder.File("file"), folder.File("file/data")}, nullptr, &problem);
    EXPECT_TRUE(payload);
    EXPECT_TRUE(problem.starts_with("the check report Errors.txt could not be written: ")) << problem;
    EXPECT_EQ(problem.find("It found"), std::string::npos) << "nothing to say";

    // What the report would have held is said instead.
    project.Inputs[1].Enabled = true;
    PrepareWrite(project, outgoing, {folder.File("file"), folder.File("file/data")}, nullptr, &problem);
    EXPECT_TRUE(problem.ends_with(". It found:\n\nERROR : Input 1 Report: SMS; Phone Index: 0\n"
                                  "WARNING : Input 1 Report: SMS; Event Message EMPTY\n"
                                  "WARNING : Input 1 Report: SMS; Restore Message EMPTY\n"
                                  "WARNINGS : 2\nERRORS   : 1"))
        << problem;
}

TEST(TransferCommands, PayloadChecksumIsMostSignificantByteFirst) {
    const std::string payload = BuildPayload(TDeviceImage{});
    const TBlockChecksum sum = BlockChecksum(TDeviceImage{});
    EXPECT_EQ(static_cast<std::uint8_t>(payload[450]), sum.A >> 24);
    EXPECT_EQ(static_cast<std::uint8_t>(payload[453]), sum.A & 0xFF);
    EXPECT_EQ(static_cast<std::uint8_t>(payload[465]), sum.D & 0xFF);
}

TEST(TransferCommands, ReadClearsTheIncomingImageAndLoadsTheAnswer) {
    TDeviceImage incoming;
    incoming.fill(0x55);
    PrepareRead(incoming);
    EXPECT_EQ(incoming, TDeviceImage{});

    TProjectInfo source;
    source.Pin = {'1', '1', '1', '1'};
    TDeviceImage image{};
    PackImage(source, image);
    TProjectInfo project;
    TDopPrintInfo print;
    print.SerialNumber = "kept";
    AcceptReadData(BuildPayload(image) + "extra", "2.59", incoming, project, print);
    EXPECT_EQ(project.Pin, source.Pin);
    EXPECT_EQ(print.FirmwareVersion, "2.59");
    EXPECT_EQ(print.SerialNumber, "kept");

    // A device's answer never brings a control sequence to a terminal or a window.
    const struct {
        std::string answer;
        const char* shown;
    } answers[] = {{"2.60\r\n", "2.60"},
                   {"\x1B[2J2\a.6\rX", "\\x1B[2J2\\x07.6\\x0DX"},
                   {"a\\b", "a\\\\b"},
                   {std::string("1\0"
                                "2",
                                3),
                    "1\\x002"}};
    for (const auto& a : answers) {
        AcceptReadData(BuildPayload(image), a.answer, incoming, project, print);
        EXPECT_EQ(print.FirmwareVersion, a.shown);
    }
}

// A device read gives the device's project, whatever was open and whatever the last read left,
// also when the device answers with less than a whole image.
TEST(TransferCommands, AReadGivesTheSameProjectWhateverWasOpenBefore) {
    std::mt19937 random(450);
    for (int pair = 0; pair < 1000; ++pair) {
        std::string before(DeviceImageSize, '\0');
        std::string answer(pair % 7 == 0 ? random() % DeviceImageSize : DeviceImageSize, '\0');
        for (char& c : before)
            c = static_cast<char>(random());
        for (char& c : answer)
            c = static_cast<char>(random());

        TDeviceImage freshIncoming{};
        TProjectInfo fresh;
        TDopPrintInfo freshPrint;
        AcceptReadData(answer, "2.59", freshIncoming, fresh, freshPrint);

        TDeviceImage incoming{};
        TProjectInfo project;
        TDopPrintInfo print;
        AcceptReadData(before, "1.00", incoming, project, print);
        project.Phones[2].Name = "Previous";
        PrepareRead(incoming);
        AcceptReadData(answer, "2.59", incoming, project, print);
        ASSERT_EQ(project, fresh) << "pair " << pair;
        ASSERT_EQ(incoming, freshIncoming) << "pair " << pair;
    }
}

TEST(TransferTrace, LogsKeepOnlyTheNewestTwenty) {
    test::TempFolder folder;
    for (int n = 1; n <= 25; ++n)
        test::WriteBytes(folder.File("transfer-202001" + std::string(n < 10 ? "0" : "") + std::to_string(n) +
                                     "-000000-000.log"),
                         {'x'});
    TTransferTrace trace;
    const std::uint8_t at[] = {'A', 'T', '\r'};
    trace.Sent(at, 3);
    trace.Received(reinterpret_cast<const std::uint8_t*>("OK"), 2);
    const TResult<std::string> path = WriteTransferLog(trace, folder.Path());
    ASSERT_TRUE(path.Ok()) << path.Reason();
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path.Value());
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("> 41 54 0D |AT.|"), std::string::npos) << text;
    EXPECT_NE(text.find("< 4F 4B |OK|"), std::string::npos) << text;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 20);
    EXPECT_FALSE(std::filesystem::exists(folder.File("transfer-20200106-000000-000.log")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("transfer-20200107-000000-000.log")));
    EXPECT_TRUE(std::filesystem::exists(path.Value()));
}

} // namespace
} // namespace korvisel
