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

} // namespace
} // namespace korvisel
