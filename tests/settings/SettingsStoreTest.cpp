// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvisel {
namespace {

using test::TempFolder;
using test::WriteText;
constexpr const char* Key = RegistryKey::Settings;

TEST(SettingsStore, TypedValuesSurviveARoundTrip) {
    TempFolder folder;
    TSettingsStore store(folder.File("deep/registry.reg"));
    store.WriteString(Key, "WorkPath", "C:\\Work \"quoted\"\n\rnext");
    store.WriteDword(Key, "FileCount", 0xDEADBEEF);
    store.WriteString(RegistryKey::Language, "2Lang_TREEINFO", "Settings");

    TSettingsStore again(folder.File("deep/registry.reg"));
    EXPECT_EQ(again.ReadString(Key, "workpath"), "C:\\Work \"quoted\"\n\rnext");
    EXPECT_EQ(again.ReadDword(Key, "FILECOUNT"), 0xDEADBEEFu);
    EXPECT_EQ(again.ReadString(Key, "FileCount"), std::nullopt) << "a number is not a string";
    EXPECT_EQ(again.ReadDword(Key, "WorkPath"), std::nullopt) << "a string is not a number";
    EXPECT_EQ(again.ReadString(Key, "2Lang_TREEINFO"), std::nullopt) << "subkey values stay in the subkey";
    EXPECT_EQ(again.ReadString(RegistryKey::Language, "2Lang_TREEINFO"), "Settings");
    const std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File("deep/registry.reg"));
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()).starts_with("REGEDIT4\n"));
}

TEST(SettingsStore, NamesKeepTheirOrderAndCaseAndMatchWithoutIt) {
    TempFolder folder;
    TSettingsStore store(folder.File("registry.reg"));
    store.WriteString(Key, "LANGUAGE_NAME_1", "a");
    store.WriteString(Key, "File1", "b");
    store.WriteString(Key, "language_name_1", "c");
    EXPECT_EQ(store.ValueNames(Key), (std::vector<std::string>{"LANGUAGE_NAME_1", "File1"}));
    EXPECT_EQ(store.ReadString(Key, "Language_Name_1"), "c");
    store.DeleteValue(Key, "LANGUAGE_name_1");
    EXPECT_EQ(store.ValueNames(Key), (std::vector<std::string>{"File1"}));
}

std::string ReadText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

const std::string GoodKey = std::string("[") + Key + "]\n";

TEST(SettingsStore, OnlyDamagedLinesAreSetAsideAndEveryOtherSettingIsKept) {
    struct Case {
        const char* what;
        std::string text;
        std::string damaged; // the lines set aside, each ended by a line break
    } cases[] = {
        {"a number too large",
         "REGEDIT4\n" + GoodKey + "\"CPUPort\"=\"COM2\"\n\"Other\"=dword:1ffffffff\n\"FileCount\"=dword:5\n",
         "\"Other\"=dword:1ffffffff\n"},
        {"a line without =",
         "REGEDIT4\n" + GoodKey + "\"CPUPort\"=\"COM2\"\njust words\n\"FileCount\"=dword:5\n",
         "just words\n"},
        {"no header", "not a header\n" + GoodKey + "\"CPUPort\"=\"COM2\"\n\"FileCount\"=dword:5\n",
         "not a header\n"},
        {"a value outside a key",
         "REGEDIT4\n\"Orphan\"=\"x\"\n" + GoodKey + "\"CPUPort\"=\"COM2\"\n\"FileCount\"=dword:5\n",
         "\"Orphan\"=\"x\"\n"},
        {"an open quote and a bad escape",
         "REGEDIT4\n" + GoodKey +
             "\"Open=\"quote\n\"CPUPort\"=\"COM2\"\n\"A\"=\"\\q\"\n\"FileCount\"=dword:5\n",
         "\"Open=\"quote\n\"A\"=\"\\q\"\n"},
        {"values under a key line that cannot be read",
         "REGEDIT4\n" + GoodKey + "\"CPUPort\"=\"COM2\"\n\"FileCount\"=dword:5\n[Broken\n\"Lost\"=\"y\"\n",
         "[Broken\n\"Lost\"=\"y\"\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.File("registry.reg");
        WriteText(path, c.text);
        TSettingsStore store(path);
        EXPECT_EQ(store.ReadString(Key, "CPUPort"), "COM2") << c.what;
        EXPECT_EQ(store.ReadDword(Key, "FileCount"), 5u) << c.what;
        EXPECT_EQ(ReadText(path + ".1.bad"), c.damaged) << c.what;
        EXPECT_EQ(TSettingsStore(path).ValueNames(Key), (std::vector<std::string>{"CPUPort", "FileCount"}))
            << c.what << ": the file no longer holds the damaged lines";
        EXPECT_FALSE(std::filesystem::exists(path + ".2.bad")) << c.what;
        const std::string notice = store.TakeNotice();
        EXPECT_NE(notice.find(path + ".1.bad"), std::string::npos) << c.what << ": " << notice;
        EXPECT_EQ(store.TakeNotice(), "") << c.what << ": said once";
    }
}

TEST(SettingsStore, EachDamageGoesToANewNumberedFile) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    WriteText(path, "REGEDIT4\n" + GoodKey + "first damage\n");
    TSettingsStore store(path);
    EXPECT_EQ(store.ValueNames(Key), std::vector<std::string>{});
    store.WriteString(Key, "CPUPort", "COM3");
    WriteText(path, ReadText(path) + "second damage\n");
    EXPECT_EQ(store.ReadString(Key, "CPUPort"), "COM3");
    EXPECT_EQ(ReadText(path + ".1.bad"), "first damage\n");
    EXPECT_EQ(ReadText(path + ".2.bad"), "second damage\n");
}

TEST(SettingsStore, AFileThatCannotBeReadIsLeftAloneAndTheRunUsesDefaults) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
        {"a pipe", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); }},
        {"larger than any settings file",
         [](const std::string& path) {
             WriteText(path, "REGEDIT4\n");
             std::filesystem::resize_file(path, 17 * 1024 * 1024);
         }},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.File("registry.reg");
        c.make(path);
        const auto before = std::filesystem::status(path).type();
        TSettingsStore store(path);
        EXPECT_EQ(store.ReadString(Key, "CPUPort"), std::nullopt) << c.what;
        EXPECT_FALSE(store.WriteString(Key, "CPUPort", "COM1").Ok()) << c.what << ": nothing is written";
        EXPECT_EQ(store.ReadString(Key, "CPUPort"), std::nullopt) << c.what;
        EXPECT_EQ(std::filesystem::status(path).type(), before) << c.what << ": left where it is";
        EXPECT_FALSE(std::filesystem::exists(path + ".1.bad")) << c.what;
        EXPECT_FALSE(std::filesystem::exists(path + ".bad")) << c.what;
        EXPECT_NE(store.TakeNotice().find("could not be read"), std::string::npos) << c.what;
        store.ReadString(Key, "CPUPort");
        EXPECT_EQ(store.TakeNotice(), "") << c.what << ": said once";
    }
}

TEST(SettingsStore, AFileThatCannotBeWrittenIsToldOnce) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    {
        TSettingsStore store(path);
        ASSERT_TRUE(store.WriteString("K", "Kept", "yes").Ok());
    }
    ::chmod(path.c_str(), 0444);
    TSettingsStore store(path);
    EXPECT_EQ(store.ReadString("K", "Kept"), "yes") << "it is read as ever";
    EXPECT_FALSE(store.WriteString("K", "New", "1").Ok());
    EXPECT_FALSE(store.WriteString("K", "Newer", "2").Ok());
    EXPECT_EQ(store.TakeNotice(), "The settings file " + path +
                                      " cannot be written (Permission denied), so no setting changed in this "
                                      "run will be kept.");
    EXPECT_EQ(store.TakeNotice(), "") << "once";
}

// Every write replaces the file, and a watcher of its folder sees each one: a write that changes
// no value is none. A change that does change a value is still written.
TEST(SettingsStore, AWriteThatChangesNothingLeavesTheFileAlone) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    TSettingsStore store(path);
    ASSERT_TRUE(store.WriteString(Key, "ComPort", "COM5").Ok());
    ASSERT_TRUE(store.WriteDword(Key, "FileCount", 4).Ok());
    const auto before = FileIdentity(path);
    ASSERT_TRUE(before);
    const struct {
        const char* what;
        std::function<TResult<>(TSettingsStore&)> write;
        bool changes;
    } writes[] = {
        {"the same string", [](TSettingsStore& s) { return s.WriteString(Key, "ComPort", "COM5"); }, false},
        {"the same number", [](TSettingsStore& s) { return s.WriteDword(Key, "FileCount", 4); }, false},
        {"a value that is not there", [](TSettingsStore& s) { return s.DeleteValue(Key, "Missing"); }, false},
        {"another value", [](TSettingsStore& s) { return s.WriteString(Key, "ComPort", "COM6"); }, true},
    };
    for (const auto& w : writes) {
        const auto identity = FileIdentity(path);
        EXPECT_TRUE(w.write(store).Ok()) << w.what;
        EXPECT_EQ(FileIdentity(path) != identity, w.changes) << w.what;
    }
    EXPECT_EQ(TSettingsStore(path).ReadString(Key, "ComPort"), "COM6");
    TSettingsStore none(folder.File("new/registry.reg"));
    EXPECT_TRUE(none.DeleteValue(Key, "Missing").Ok());
    EXPECT_FALSE(PathExists(folder.File("new/registry.reg"))) << "nothing to keep, no file made";
}

// A store in memory (the fuzz targets' own) keeps its values without a file: the user's settings are
// never read or written.
TEST(SettingsStore, AStoreInMemoryNeverTouchesAFile) {
    TempFolder folder;
    ::setenv("KORVISEL_REGISTRY", folder.File("registry.reg").c_str(), 1);
    WriteText(folder.File("registry.reg"), "REGEDIT4\n\n" + GoodKey + "\"ComPort\"=\"COM1\"\n");
    const auto before = FileIdentity(folder.File("registry.reg"));
    TSettingsStore store = TSettingsStore::InMemory();
    EXPECT_EQ(store.ReadString(Key, "ComPort"), std::nullopt) << "nothing read from the user's file";
    EXPECT_TRUE(store.WriteString(Key, "ComPort", "COM5").Ok());
    EXPECT_TRUE(store.WriteDword(Key, "FileCount", 3).Ok());
    EXPECT_TRUE(store.DeleteValue(Key, "Missing").Ok());
    EXPECT_EQ(store.ReadString(Key, "comport"), "COM5");
    EXPECT_EQ(store.ReadDword(Key, "FileCount"), 3u);
    EXPECT_EQ(store.ValueNames(Key), (std::vector<std::string>{"ComPort", "FileCount"}));
    EXPECT_EQ(store.TakeNotice(), "");
    EXPECT_EQ(FileIdentity(folder.File("registry.reg")), before);
    EXPECT_EQ(test::FilesIn(folder.Path()), std::vector<std::string>{"registry.reg"}) << "no lock, no copy";
    ::unsetenv("KORVISEL_REGISTRY");
}

TEST(SettingsStore, AChangeByAnotherProgramIsSeen) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    TSettingsStore reader(path);
    TSettingsStore writer(path);
    EXPECT_EQ(reader.ReadString(Key, "CPUPort"), std::nullopt);
    writer.WriteString(Key, "CPUPort", "COM1");
    EXPECT_EQ(reader.ReadString(Key, "CPUPort"), "COM1") << "the file was replaced";
    WriteText(path, ReadText(path) + "\"FileCount\"=dword:7\n");
    EXPECT_EQ(reader.ReadDword(Key, "FileCount"), 7u) << "the file was edited in place";
    reader.WriteDword(Key, "ListLength", 4);
    EXPECT_EQ(writer.ReadDword(Key, "FileCount"), 7u) << "a write keeps what the other program wrote";
    std::filesystem::remove(path);
    EXPECT_EQ(reader.ReadString(Key, "CPUPort"), std::nullopt) << "the file was removed";
}

TEST(SettingsStore, TheEnvironmentNamesTheFile) {
    TempFolder folder;
    ::setenv("KORVISEL_REGISTRY", folder.File("elsewhere.reg").c_str(), 1);
    EXPECT_EQ(TSettingsStore::DefaultPath(), folder.File("elsewhere.reg"));
    ::unsetenv("KORVISEL_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(TSettingsStore::DefaultPath(), folder.File("korvisel/registry.reg"));
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsStore, TwoWritersLoseNothing) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    constexpr int Values = 60;
    pid_t children[2];
    for (int writer = 0; writer < 2; ++writer) {
        children[writer] = ::fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0) {
            TSettingsStore store(path);
            for (int n = 0; n < Values; ++n)
                store.WriteDword(Key, "Writer" + std::to_string(writer) + "_" + std::to_string(n),
                                 static_cast<std::uint32_t>(n));
            std::_Exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    TSettingsStore store(path);
    EXPECT_EQ(store.ValueNames(Key).size(), 2u * Values);
    EXPECT_EQ(store.ReadDword(Key, "Writer1_59"), 59u);
}

} // namespace
} // namespace korvisel
