// SPDX-License-Identifier: GPL-3.0-or-later
// Random and cut-short input for every reader: none may crash, read out of bounds or hang, and a
// rejected file must leave the project as it was.
#include "files/OldProjectFile.h"
#include "files/ProjectFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace korvisel {
namespace {

using test::TempFolder;
using test::WriteBytes;

std::vector<std::uint8_t> RandomBytes(std::mt19937& rng, std::size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(byte(rng));
    return bytes;
}

std::vector<std::uint8_t> ValidFile() {
    TProjectInfo project;
    project.Phones[1] = {"123", "", false};
    TDeviceImage image{};
    PackImage(project, image);
    return ProjectFileBytes(image);
}

void ReadBoth(const std::string& path) {
    using Reader = TFileResult (*)(const std::string&, TDeviceImage&, TProjectInfo&);
    for (Reader read : {&ReadProjectFile, &ReadOldProjectFile}) {
        TDeviceImage incoming{};
        TProjectInfo project;
        const TProjectInfo before = project;
        const TFileResult result = read(path, incoming, project);
        if (!result.Ok()) {
            EXPECT_EQ(project, before);
        }
    }
}

TEST(BadInput, RandomFilesOfEveryLength) {
    TempFolder folder;
    const std::string path = folder.File("random.KV690");
    std::mt19937 rng(20261209);
    for (std::size_t size = 0; size <= 600; size += 3) {
        WriteBytes(path, RandomBytes(rng, size));
        ReadBoth(path);
    }
}

TEST(BadInput, RandomFilesWithAValidHeader) {
    TempFolder folder;
    const std::string path = folder.File("header.KV690");
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> size(310, 600);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes = RandomBytes(rng, static_cast<std::size_t>(size(rng)));
        const std::vector<std::uint8_t> header = {6, 0, 'K', 'R', 'V', '6', '1', '0'};
        std::copy(header.begin(), header.end(), bytes.begin());
        WriteBytes(path, bytes);
        ReadBoth(path);
    }
}

TEST(BadInput, ValidFileCutAtEveryLength) {
    TempFolder folder;
    const std::string path = folder.File("cut.KV690");
    const std::vector<std::uint8_t> valid = ValidFile();
    for (std::size_t size = 0; size < valid.size(); ++size) {
        WriteBytes(path, std::vector<std::uint8_t>(valid.begin(), valid.begin() + static_cast<long>(size)));
        TDeviceImage incoming{};
        TProjectInfo project;
        EXPECT_FALSE(ReadProjectFile(path, incoming, project).Ok()) << size;
        EXPECT_EQ(project, TProjectInfo{}) << size;
        ReadBoth(path);
    }
}

TEST(BadInput, RandomImagesUnpackWithoutFault) {
    std::mt19937 rng(450);
    for (int round = 0; round < 2000; ++round) {
        const std::vector<std::uint8_t> bytes = RandomBytes(rng, DeviceImageSize);
        TDeviceImage image{};
        std::copy(bytes.begin(), bytes.end(), image.begin());
        TProjectInfo project;
        UnpackImage(image, project);
        EXPECT_GE(project.GsmLevel, 1);
        EXPECT_LE(project.GsmLevel, 4);
        // Whatever came in packs again without fault.
        TDeviceImage again{};
        PackImage(project, again);
    }
}

} // namespace
} // namespace korvisel
