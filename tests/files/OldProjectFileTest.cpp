// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/OldProjectFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

using test::TempFolder;
using test::WriteBytes;

// The first 224 bytes of an image with input 1 enabled and sending SMS "OLD" to phone 2.
std::vector<std::uint8_t> OldFile(std::size_t size) {
    TProjectInfo p;
    p.Inputs[1].Enabled = true;
    p.Inputs[1].SmsPhone = 2;
    p.Inputs[1].SmsEventText = "OLD";
    TDeviceImage image{};
    PackImage(p, image);
    std::vector<std::uint8_t> bytes(image.begin(), image.begin() + 224);
    bytes.resize(size, 0xAB);
    return bytes;
}

TEST(ReadOldProjectFile, AfterStartUpTheRestComesFromAZeroImage) {
    TempFolder folder;
    for (std::size_t size : {224u, 230u, 234u, 1000u}) {
        WriteBytes(folder.File("old.KRV"), OldFile(size));
        TDeviceImage incoming{};
        TProjectInfo project;
        ASSERT_TRUE(ReadOldProjectFile(folder.File("old.KRV"), incoming, project).Ok()) << size;
        EXPECT_TRUE(project.Inputs[1].Enabled);
        EXPECT_EQ(project.Inputs[1].SmsPhone, 2);
        EXPECT_EQ(project.Inputs[1].SmsEventText, "OLD");
        EXPECT_EQ(project.GsmReactionTime, 1);
        EXPECT_EQ(project.TestMinutes, 1);
        for (std::size_t k = 1; k <= PhoneCount; ++k) {
            EXPECT_EQ(project.Phones[k].Number, std::string(32, '0'));
            EXPECT_FALSE(project.Phones[k].Empty);
        }
        EXPECT_EQ(project.SmsCentre, std::string(32, '0'));
        EXPECT_EQ(std::string(project.Pin.begin(), project.Pin.end()), "0000");
    }
}

TEST(ReadOldProjectFile, NothingThePreviousProjectLeftComesBack) {
    TempFolder folder;
    TProjectInfo previous;
    previous.Phones[3] = {"5550003", "", false};
    previous.Pin = {'4', '3', '2', '1'};
    TDeviceImage incoming{};
    PackImage(previous, incoming); // as if that project had been read before

    WriteBytes(folder.File("old.KRV"), OldFile(224));
    TProjectInfo project;
    ASSERT_TRUE(ReadOldProjectFile(folder.File("old.KRV"), incoming, project).Ok());
    EXPECT_EQ(project.Phones[3].Number, std::string(32, '0'));
    EXPECT_EQ(std::string(project.Pin.begin(), project.Pin.end()), "0000");
    EXPECT_EQ(project.Inputs[1].SmsEventText, "OLD");
}

TEST(ReadOldProjectFile, RejectsShortAndMissingFilesWithoutTouchingTheProject) {
    TempFolder folder;
    WriteBytes(folder.File("short.KRV"), OldFile(223));
    struct Case {
        std::string path;
        TFileError error;
    } cases[] = {
        {folder.File("short.KRV"), TFileError::FalseFormat},
        {folder.File("none.KRV"), TFileError::NotFound},
    };
    for (const Case& c : cases) {
        TDeviceImage incoming{};
        TProjectInfo project;
        const TFileResult result = ReadOldProjectFile(c.path, incoming, project);
        EXPECT_EQ(result.Error, c.error);
        EXPECT_EQ(project, TProjectInfo{});
        EXPECT_EQ(incoming, TDeviceImage{});
    }
}

} // namespace
} // namespace korvisel
