// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Backups.h"

#include "files/DatedFiles.h"
#include "files/ProjectFile.h"
#include "link/TransferTrace.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

std::string Numbered(const char* pattern, std::size_t n) {
    char name[96];
    std::snprintf(name, sizeof name, pattern, static_cast<int>(n));
    return name;
}

// Files already in the folder when one more copy is kept now: a clock that was wrong once left copies
// dated years ahead, the user keeps files of alike names, and names only nearly the program's own.
// Whatever the folder holds, the new copy stays, and rotation removes only the program's own names.
TEST(Backups, RotationRemovesOnlyItsOwnNamesAndNeverTheNewCopy) {
    const struct {
        const char* what;
        bool log; // transfer logs rather than backups
        std::vector<std::string> present;
        std::vector<std::string> gone;
    } cases[] = {
        {"fifty copies dated in the future", false, {}, {"backup-20301231-120000-000-read-COM5.KV690"}},
        {"fifty files of the user", false, {}, {}},
        {"names only nearly the program's own",
         false,
         {"backup-20250101-004999-000-read-COM5.KV690", "backup-20250230-000000-000-read-COM5.KV690",
          "backup-20250101-000000-000-copy-COM5.KV690", "backup-20250101-000000-000-read-COM 5.KV690",
          "backup-20250101-000000-000-02-read.KV690", "backup-20250101-000000-000-1-read.KV690",
          "backup-20250101-000000-00-read.KV690", "backup-20250101-000000-000-read-.KV690",
          "backup-20250101-000000-000.KV690", "backup-20250101-000000-000-read-COM5.kv690"},
         {}},
        {"logs dated in the future",
         true,
         {"transfer-20250101-000000-000-read.log"},
         {"transfer-20301231-120000-000.log"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder folder;
        std::vector<std::string> present = c.present;
        for (std::size_t n = 0; n < (c.log ? KeptTransferLogs : KeptBackups); ++n) {
            if (c.log)
                present.push_back(Numbered("transfer-20301231-1200%02d-000.log", n));
            else if (c.gone.empty())
                present.push_back(Numbered("backup-site-%02d.KV690", n));
            else
                present.push_back(Numbered("backup-20301231-1200%02d-000-read-COM5.KV690", n));
        }
        const auto anHourAgo = std::filesystem::file_time_type::clock::now() - 1h;
        for (std::size_t n = 0; n < present.size(); ++n) {
            test::WriteBytes(folder.File(present[n]), {'x'});
            std::filesystem::last_write_time(folder.File(present[n]), anHourAgo + n * 1s);
        }

        const TResult<std::string> kept = c.log
                                              ? WriteTransferLog(TTransferTrace(), folder.Path())
                                              : KeepBackup(folder.Path(), TBackupKind::Read, "COM5",
                                                           TDeviceImage{}, std::chrono::system_clock::now());
        ASSERT_TRUE(kept.Ok()) << kept.Reason();
        EXPECT_TRUE(std::filesystem::exists(kept.Value())) << "the copy just kept is on disk";
        for (const std::string& name : present) {
            const bool gone = std::find(c.gone.begin(), c.gone.end(), name) != c.gone.end();
            EXPECT_EQ(std::filesystem::exists(folder.File(name)), !gone) << name;
        }
    }
}

TEST(Backups, FilesOfTheSameMillisecondAllStay) {
    test::TempFolder folder;
    const auto when = std::chrono::system_clock::now();
    std::vector<std::thread> writers;
    std::vector<std::string> paths(4);
    for (std::size_t n = 0; n < paths.size(); ++n)
        writers.emplace_back([&, n] {
            const std::vector<std::uint8_t> bytes(1, static_cast<std::uint8_t>('0' + n));
            const TDatedKind logs{"transfer-", [](std::string_view ending) { return ending == ".log"; }, 50};
            paths[n] = WriteDatedFile(folder.Path(), logs, ".log", bytes, when).Value();
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
