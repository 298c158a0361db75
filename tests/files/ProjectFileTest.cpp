// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "files/BlockChecksum.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::vector<std::uint8_t> DefaultProjectFile() {
    TProjectInfo project;
    TDeviceImage image{};
    PackImage(project, image);
    return ProjectFileBytes(image);
}

TProjectInfo EditedProject() {
    TProjectInfo p;
    p.Phones[1] = {"+79001234567", "Owner", false};
    p.Phones[2] = {"5551234", "Guard", false};
    p.Inputs[1].Enabled = true;
    p.Inputs[1].SmsPhone = p.Inputs[1].AlarmPhone = p.Inputs[1].DataPhone = 1;
    p.Inputs[1].ClipEventPhone = p.Inputs[1].ClipRestorePhone = 1;
    p.Inputs[1].SmsEventText = "DOOR";
    p.Outputs[2].WorkType = TWorkType::Flash;
    p.Outputs[2].Time = 40;
    p.Pin = {'1', '2', '3', '4'};
    p.SmsCentre = "+79168999100";
    p.GsmEnabled = true;
    p.TestCid = TContactId{};
    return p;
}

TEST(WriteProjectFile, DefaultProjectByteForByte) {
    TempFolder folder;
    const std::string path = folder.File("default.KV690");
    TProjectInfo project;
    TDeviceImage outgoing{};

    const TFileResult result = WriteProjectFile(path, project, outgoing);

    ASSERT_TRUE(result.Ok()) << result.Reason;
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 476u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 10),
              (std::vector<std::uint8_t>{0x06, 0x00, 'K', 'R', 'V', '6', '1', '0', 0xC2, 0x01}));
    EXPECT_TRUE(std::equal(outgoing.begin(), outgoing.end(), bytes.begin() + 10));
    std::vector<std::uint8_t> words;
    for (std::uint32_t w : BlockChecksum(outgoing).Words())
        for (int shift : {0, 8, 16, 24})
            words.push_back(static_cast<std::uint8_t>(w >> shift));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 460, bytes.end()), words);
}

TEST(ProjectFile, ChecksumWordsAreStoredLeastSignificantByteFirst) {
    TDeviceImage image{};
    const std::vector<std::uint8_t> bytes = ProjectFileBytes(image);
    const TBlockChecksum sum = BlockChecksum(image);
    EXPECT_EQ(bytes[460], sum.A & 0xFF);
    EXPECT_EQ(bytes[463], sum.A >> 24);
    EXPECT_EQ(bytes[475], sum.D >> 24);
}

TEST(ReadProjectFile, SavedProjectComesBackWithDefaultNames) {
    TempFolder folder;
    const std::string path = folder.File("site.KV690");
    TProjectInfo saved = EditedProject();
    TDeviceImage outgoing{};
    ASSERT_TRUE(WriteProjectFile(path, saved, outgoing).Ok());

    TProjectInfo loaded;
    loaded.Phones[1].Name = "Kept";
    TDeviceImage incoming{};
    const TFileResult result = ReadProjectFile(path, incoming, loaded);

    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(incoming, outgoing);
    EXPECT_EQ(loaded.Phones[1].Name, "NAME1") << "a file carries no names: the last project's never stay";
    loaded.Phones[1].Name = saved.Phones[1].Name;
    loaded.Phones[2].Name = saved.Phones[2].Name;
    EXPECT_EQ(loaded, saved);
}

TEST(ReadProjectFile, AcceptsLowerCaseSignatureAndAnyChecksumButSaysWhenItDiffers) {
    TempFolder folder;
    std::vector<std::uint8_t> lower = DefaultProjectFile();
    std::copy_n("krv610", 6, lower.begin() + 2);
    std::vector<std::uint8_t> zeroSum = DefaultProjectFile();
    std::fill(zeroSum.begin() + 460, zeroSum.end(), 0);
    std::vector<std::uint8_t> altered = DefaultProjectFile();
    altered[10 + 436] = 0x12; // PIN 12.. while the checksum still says 9481
    const struct {
        std::vector<std::uint8_t> bytes;
        bool mismatch;
    } cases[] = {{lower, false}, {zeroSum, true}, {altered, true}};
    for (const auto& c : cases) {
        WriteBytes(folder.File("p.KV690"), c.bytes);
        TProjectInfo project;
        project.Pin = {'0', '0', '0', '0'};
        TDeviceImage incoming{};
        const TFileResult result = ReadProjectFile(folder.File("p.KV690"), incoming, project);
        EXPECT_TRUE(result.Ok());
        EXPECT_EQ(result.ChecksumMismatch, c.mismatch);
        EXPECT_NE(project.Pin, (std::array<char, 4>{'0', '0', '0', '0'}));
    }
}

TEST(ReadProjectFile, RejectsBrokenFilesWithoutTouchingTheProject) {
    auto withLength = [](std::uint16_t n, std::size_t size) {
        std::vector<std::uint8_t> bytes = DefaultProjectFile();
        bytes[8] = static_cast<std::uint8_t>(n & 0xFF);
        bytes[9] = static_cast<std::uint8_t>(n >> 8);
        bytes.resize(size, 0);
        return bytes;
    };
    std::vector<std::uint8_t> badLength = DefaultProjectFile();
    badLength[0] = 7;
    std::vector<std::uint8_t> badSignature = DefaultProjectFile();
    badSignature[7] = '1';
    std::vector<std::uint8_t> short309 = DefaultProjectFile();
    short309.resize(309);

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        TFileError error;
    } cases[] = {
        {"309 bytes", short309, TFileError::FalseFormat},
        {"empty", {}, TFileError::FalseFormat},
        {"signature length 7", badLength, TFileError::FalseFormat},
        {"signature KRV611", badSignature, TFileError::FalseFormat},
        {"image length 451", withLength(451, 477), TFileError::FalseFormat},
        {"image length 65535", withLength(65535, 476), TFileError::FalseFormat},
        {"checksum cut short", withLength(450, 470), TFileError::Truncated},
        {"image cut short", withLength(450, 400), TFileError::Truncated},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.File("broken.KV690");
        WriteBytes(path, c.bytes);
        TProjectInfo project = EditedProject();
        TDeviceImage incoming{};
        incoming.fill(0x33);
        const TFileResult result = ReadProjectFile(path, incoming, project);
        EXPECT_EQ(result.Error, c.error) << c.what;
        EXPECT_EQ(project, EditedProject()) << c.what;
        EXPECT_EQ(incoming[0], 0x33) << c.what;
    }
}

TEST(ReadProjectFile, MissingFileNamesTheFile) {
    TempFolder folder;
    TProjectInfo project;
    TDeviceImage incoming{};
    const TFileResult result = ReadProjectFile(folder.File("nowhere.KV690"), incoming, project);
    EXPECT_EQ(result.Error, TFileError::NotFound);
    EXPECT_EQ(result.FileName, folder.File("nowhere.KV690"));
}

TEST(ReadProjectFile, AShorterImageIsFollowedByZerosNotByTheLastRead) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes = DefaultProjectFile();
    bytes.resize(10 + 300);
    bytes[8] = 300 & 0xFF;
    bytes[9] = 300 >> 8;
    bytes.insert(bytes.end(), 16, 0);
    WriteBytes(folder.File("short.KV690"), bytes);

    TDeviceImage incoming{};
    incoming.fill(0x99);
    TProjectInfo project;
    ASSERT_TRUE(ReadProjectFile(folder.File("short.KV690"), incoming, project).Ok());
    EXPECT_EQ(incoming[299], bytes[10 + 299]);
    EXPECT_EQ(incoming[300], 0);
    EXPECT_EQ(project.Phones[3].Number, std::string(32, '0')); // stored at 308, beyond the file's image
}

TEST(WriteProjectFile, ReportsAFolderThatCannotBeWritten) {
    TempFolder folder;
    TProjectInfo project;
    TDeviceImage outgoing{};
    const TFileResult result = WriteProjectFile(folder.File("gone/site.KV690"), project, outgoing);
    EXPECT_EQ(result.Error, TFileError::WriteFailed);
    EXPECT_EQ(result.FileName, folder.File("gone/site.KV690"));
    EXPECT_FALSE(result.Reason.empty());
}

} // namespace
} // namespace korvisel
