// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Backups.h"

#include "files/DatedFiles.h"
#include "files/ProjectFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

namespace korvisel {
namespace {

using namespace std::chrono_literals;

using test::FilesIn;

TEST(Backups, NamesSayWhatAndFromWhere) {
    EXPECT_EQ(BackupSuffix(TBackupKind::Read, "COM5"), "-read-COM5.KV690");
    EXPECT_EQ(BackupSuffix(TBackupKind::BeforeWrite, "COM12"), "-before-write-COM12.KV690");
    EXPECT_EQ(BackupSuffix(TBackupKind::Written, "../x y"), "-written-xy.KV690") << "no path in a name";
    EXPECT_EQ(BackupSuffix(TBackupKind::Read, ""), "-read.KV690");
    const auto when = std::chrono::system_clock::from_time_t(0) + 1234ms;
    const std::string name = DatedFileName("backup-", "-read-COM5.KV690", when);
    EXPECT_TRUE(name.starts_with("backup-19")) << name;
    EXPECT_TRUE(name.ends_with("-234-read-COM5.KV690")) << name;
}

TEST(Backups, ABackupOpensAsAProjectAndOnlyTheNewestAreKept) {
    test::TempFolder folder;
    const std::string backups = folder.File("backups");
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "NAME1", false};
    TDeviceImage image{};
    PackImage(project, image);

    std::filesystem::create_directories(backups);
    test::WriteBytes(backups + "/notes.txt", {'x'});
    const auto start = std::chrono::system_clock::now();
    std::string first;
    for (std::size_t n = 0; n < KeptBackups + 2; ++n) {
        const TResult<std::string> path =
            KeepBackup(backups, TBackupKind::Read, "COM5", image, start + n * 1s);
        ASSERT_TRUE(path.Ok()) << path.Reason();
        if (n == 0)
            first = std::filesystem::path(path.Value()).filename().string();
    }
    const std::vector<std::string> files = FilesIn(backups);
    EXPECT_EQ(files.size(), KeptBackups + 1) << "the newest 50 and the user's own file";
    EXPECT_EQ(std::count(files.begin(), files.end(), first), 0) << "the oldest went first";
    EXPECT_EQ(std::count(files.begin(), files.end(), "notes.txt"), 1);

    TDeviceImage incoming{};
    TProjectInfo reopened;
    EXPECT_TRUE(ReadProjectFile(backups + "/" + files.front(), incoming, reopened).Ok());
    EXPECT_EQ(reopened.Phones[1].Number, "+79001234567");
}

TEST(Backups, FilesOfTheSameMillisecondAllStay) {
    test::TempFolder folder;
    const auto when = std::chrono::system_clock::now();
    std::vector<std::thread> writers;
    std::vector<std::string> paths(4);
    for (std::size_t n = 0; n < paths.size(); ++n)
        writers.emplace_back([&, n] {
            const std::vector<std::uint8_t> bytes(1, static_cast<std::uint8_t>('0' + n));
            paths[n] = WriteDatedFile(folder.Path(), "transfer-", ".log", bytes, 50, when).Value();
        });
    for (std::thread& writer : writers)
        writer.join();
    const std::vector<std::string> files = FilesIn(folder.Path());
    EXPECT_EQ(files.size(), 4u);
    std::string contents;
    for (const std::string& file : files)
        contents += static_cast<char>(test::ReadBytes(folder.File(file)).at(0));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, "0123");
}

TEST(Backups, AFolderThatCannotBeMadeIsReported) {
    test::TempFolder folder;
    test::WriteBytes(folder.File("file"), {'x'});
    const TResult<std::string> kept = KeepBackup(folder.File("file/backups"), TBackupKind::Written, "COM1",
                                                 TDeviceImage{}, std::chrono::system_clock::now());
    EXPECT_FALSE(kept.Ok());
    EXPECT_FALSE(kept.Reason().empty());
}

} // namespace
} // namespace korvisel
