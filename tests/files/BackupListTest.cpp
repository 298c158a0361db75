// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BackupList.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvisel {
namespace {

using namespace std::chrono_literals;

// Backups kept by the program's own writer, one cut short and one altered since, and files that are
// no backups.
TEST(BackupList, NewestFirstWithWhatEachIsAndTheDamagedOnesSaySo) {
    test::TempFolder folder;
    const std::string backups = folder.File("backups");
    TDeviceImage image{};
    TProjectInfo project;
    PackImage(project, image);
    const auto start = std::chrono::system_clock::from_time_t(1'800'000'000);
    const struct {
        TBackupKind kind;
        const char* port;
    } kept[] = {{TBackupKind::Read, "COM5"},
                {TBackupKind::Written, "/dev/ttyUSB0"},
                {TBackupKind::BeforeWrite, ""},
                {TBackupKind::Read, "COM1"},
                {TBackupKind::Read, "COM2"}};
    std::vector<std::string> paths;
    for (std::size_t n = 0; n < std::size(kept); ++n) {
        const TResult<std::string> path =
            KeepBackup(backups, kept[n].kind, kept[n].port, image, start + n * 1s);
        ASSERT_TRUE(path.Ok()) << path.Reason();
        paths.push_back(path.Value());
    }
    std::vector<std::uint8_t> bytes = test::ReadBytes(paths[3]);
    test::WriteBytes(paths[3], {bytes.begin(), bytes.begin() + 40}); // cut short
    bytes[300] ^= 0x01;
    test::WriteBytes(paths[4], bytes); // altered since it was kept
    test::WriteBytes(backups + "/notes.txt", {'x'});
    test::WriteBytes(backups + "/backup-someday.KV690", bytes);
    std::filesystem::create_directories(backups + "/backup-20260101-000000-000-read.KV690");

    const std::vector<TBackupEntry> entries = ListBackups(backups);
    ASSERT_EQ(entries.size(), 5u);
    const struct {
        std::size_t kept;
        TBackupDamage damage;
        const char* port;
    } expected[] = {{4, TBackupDamage::Checksum, "COM2"},
                    {3, TBackupDamage::NotProject, "COM1"},
                    {2, TBackupDamage::None, ""},
                    {1, TBackupDamage::None, "devttyUSB0"},
                    {0, TBackupDamage::None, "COM5"}};
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const TBackupEntry& e = entries[n];
        EXPECT_EQ(e.Path, paths[expected[n].kept]) << n;
        EXPECT_EQ(e.Kind, kept[expected[n].kept].kind) << n;
        EXPECT_EQ(e.Port, expected[n].port) << n;
        EXPECT_EQ(e.Damage, expected[n].damage) << n;
        EXPECT_EQ(e.Opens(), expected[n].damage != TBackupDamage::NotProject) << n;
        EXPECT_EQ(e.Size, std::filesystem::file_size(e.Path)) << n;
        EXPECT_EQ(e.When.size(), 19u) << e.When;
    }
    EXPECT_TRUE(ListBackups(folder.File("none")).empty()) << "no folder yet: no backups";
}

// Names only nearly the program's own are not backups, and a file is judged by its size before a byte
// of it is read: a copy grown to 500 MB (sparse, so the test costs no disk) is no backup to open.
TEST(BackupList, OnlyTheProgramsOwnNamesAndSizesAreBackups) {
    test::TempFolder folder;
    TDeviceImage image{};
    TProjectInfo project;
    PackImage(project, image);
    const TResult<std::string> kept = KeepBackup(folder.Path(), TBackupKind::Read, "COM5", image,
                                                 std::chrono::system_clock::from_time_t(1'800'000'000));
    ASSERT_TRUE(kept.Ok());
    const std::vector<std::uint8_t> bytes = test::ReadBytes(kept.Value());
    for (const char* name :
         {"backup-20250101-004999-000-read-COM5.KV690", "backup-20250231-000000-000-read.KV690",
          "backup-20251301-000000-000-read.KV690", "backup-20250101-240000-000-read.KV690",
          "backup-20250101-000000-000-read-CO\x01M5.KV690",
          "backup-20250101-000000-000-read-COM5\x1B[2J.KV690", "backup-20250101-000000-000-kept.KV690",
          "backup-20250101-000000-000-readCOM5.KV690"})
        test::WriteBytes(folder.File(name), bytes);
    const std::string grown = folder.File("backup-20250101-000000-000-written-COM6.KV690");
    test::WriteBytes(grown, bytes);
    std::filesystem::resize_file(grown, 500u << 20);

    const std::vector<TBackupEntry> entries = ListBackups(folder.Path());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Path, kept.Value());
    EXPECT_TRUE(entries[0].Opens());
    EXPECT_EQ(entries[1].Path, grown);
    EXPECT_EQ(entries[1].When, "2025-01-01 00:00:00");
    EXPECT_EQ(entries[1].Port, "COM6");
    EXPECT_EQ(entries[1].Size, 500u << 20);
    EXPECT_EQ(entries[1].Damage, TBackupDamage::NotProject);
    EXPECT_FALSE(entries[1].Opens());
}

} // namespace
} // namespace korvisel
