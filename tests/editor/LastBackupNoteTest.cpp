// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LastBackupNote.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace korvisel {
namespace {

// The note after a sequence of transfers and runs, with files deleted between them.
TEST(LastBackupNote, NamesTheNewestCopyStillOnDiskOfTheLastTransferOrRun) {
    test::TempFolder folder;
    const auto kept = [&](const std::string& name) {
        test::WriteBytes(folder.File(name), {'K'});
        return folder.File(name);
    };
    const auto gone = [&](const std::string& name) { std::remove(folder.File(name).c_str()); };
    const std::string read = "backup-20261210-070000-000-read-COM2.KV690";
    const std::string before = "backup-20261210-080000-000-before-write-COM9.KV690";
    const std::string written = "backup-20261210-080020-500-written-COM9.KV690";
    const std::string other = "backup-20261210-080001-000-before-write-COM10.KV690";
    const struct {
        const char* what;
        std::function<void(TLastBackupNote&)> steps;
        std::string text;
    } cases[] = {
        {"no transfer yet", [](TLastBackupNote&) {}, ""},
        {"a read", [&](TLastBackupNote& n) { n.Kept(kept(read)); }, "Copy kept: " + read},
        {"a read whose copy failed",
         [&](TLastBackupNote& n) { n.Kept(TResult<std::string>::Failure("disk full")); }, "No copy kept"},
        {"a read, its file deleted since",
         [&](TLastBackupNote& n) {
             n.Kept(kept(read));
             gone(read);
             n.ForgetDeleted();
         },
         ""},
        {"a run after a read",
         [&](TLastBackupNote& n) {
             n.Kept(kept(read));
             n.KeptByRun({kept(before), kept(written), kept(other)});
         },
         "3 copies kept, the last: " + written},
        {"a run, its newest copy deleted since",
         [&](TLastBackupNote& n) {
             n.KeptByRun({kept(before), kept(written), kept(other)});
             gone(written);
             n.ForgetDeleted();
         },
         "2 copies kept, the last: " + other},
        {"a run that kept none after a read",
         [&](TLastBackupNote& n) {
             n.Kept(kept(read));
             n.KeptByRun({});
         },
         "No copy kept"},
    };
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    for (const auto& c : cases) {
        TLastBackupNote note;
        c.steps(note);
        EXPECT_EQ(note.Text(texts), c.text) << c.what;
    }
}

} // namespace
} // namespace korvisel
