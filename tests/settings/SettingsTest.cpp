// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"
#include "settings/WindowPlacement.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace korvisel {
namespace {

using test::TempFolder;
constexpr const char* Key = RegistryKey::Settings;

TEST(RecentFiles, ListRules) {
    TRecentFiles recent;
    for (const char* file : {"a", "b", "c", "d"})
        recent.PutOnTop(file);
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"d", "c", "b", "a"}));
    recent.PutOnTop("e");
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"e", "d", "c", "b"})) << "the oldest makes room";
    recent.PutOnTop("c");
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"c", "e", "d", "b"})) << "a listed file moves up";
    recent.SetLimit(2);
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"c", "e"}));
    recent.SetLimit(4);
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"c", "e"})) << "raising it brings nothing back";
    recent.SetLimit(0);
    recent.PutOnTop("x");
    EXPECT_TRUE(recent.Entries().empty());
}

class SettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    TSettingsStore store{folder.File("registry.reg")};
    std::set<std::string> existing;
    TPathTest exists = [this](const std::string& path) { return existing.count(path) > 0; };
};

TEST_F(SettingsTest, MainWindowReadsOnlyTheListLengthAndDropsVanishedFiles) {
    store.WriteDword(Key, "FileCount", 3);
    for (int n = 1; n <= 5; ++n)
        store.WriteString(Key, "File" + std::to_string(n), "/p/f" + std::to_string(n) + ".KV690");
    existing = {"/p/f1.KV690", "/p/f3.KV690", "/p/f4.KV690", "/p/f5.KV690"};
    store.WriteString(Key, "BaseHelpFile", "/usr/share/doc/korvisel/help.html");
    store.WriteString(Key, "WorkPath", "/p");

    TMainWindowSettings settings;
    LoadMainWindowSettings(store, settings, exists);

    EXPECT_EQ(settings.RecentFiles.Limit(), 3);
    EXPECT_EQ(settings.RecentFiles.Entries(), (std::vector<std::string>{"/p/f1.KV690", "/p/f3.KV690"}));
    EXPECT_EQ(settings.HelpFile, "/usr/share/doc/korvisel/help.html");
    EXPECT_EQ(settings.WorkPath, "/p");
}

TEST_F(SettingsTest, ValuesOfTheWrongTypeCountAsMissing) {
    store.WriteString(Key, "FileCount", "3");
    store.WriteDword(Key, "BaseHelpFile", 1);
    store.WriteString(Key, "WorkPath", "");
    TMainWindowSettings settings;
    settings.WorkPath = "/kept";
    LoadMainWindowSettings(store, settings, exists);
    EXPECT_EQ(settings.RecentFiles.Limit(), 4);
    EXPECT_EQ(settings.HelpFile, "\\Help\\HelpPro.hlp");
    EXPECT_EQ(settings.WorkPath, "/kept");
    EXPECT_EQ(ContentsHelpFile(store), "");
    EXPECT_EQ(ReadSettingLanguage(store), "");
}

TEST_F(SettingsTest, EntriesDroppedFromTheListAreGoneFromTheSettings) {
    store.WriteString(Key, "File3", "/old/three.KV690");
    TMainWindowSettings settings;
    settings.RecentFiles.PutOnTop("/p/b.KV690");
    settings.RecentFiles.PutOnTop("/p/a.KV690");
    settings.WorkPath = "/p";
    SaveMainWindowSettings(store, settings);
    EXPECT_EQ(store.ReadDword(Key, "FileCount"), 4u);
    EXPECT_EQ(store.ReadString(Key, "File1"), "/p/a.KV690");
    EXPECT_EQ(store.ReadString(Key, "File2"), "/p/b.KV690");
    EXPECT_FALSE(store.ReadString(Key, "File3")) << "a longer list later must not bring it back";
    EXPECT_EQ(store.ReadString(Key, "WorkPath"), "/p");

    // A shorter length chosen in the settings dialog drops the stored entries past it at once.
    SaveDialogSettings(store, {"COM3", 1, "/w"});
    EXPECT_EQ(store.ReadString(Key, "File1"), "/p/a.KV690");
    EXPECT_FALSE(store.ReadString(Key, "File2"));
    SaveDialogSettings(store, {"COM3", 4, "/w"});
    TMainWindowSettings reloaded;
    LoadMainWindowSettings(store, reloaded, [](const std::string&) { return true; });
    EXPECT_EQ(reloaded.RecentFiles.Entries(), std::vector<std::string>{"/p/a.KV690"});
}

TEST_F(SettingsTest, WorkingFolderOfTheSettingsDialog) {
    const std::string program = "/home/u/korvisel/";
    const std::string documents = "/home/u/Documents";
    const TWorkFolders unpacked{program, program};
    const TWorkFolders installed{"", documents};
    struct Case {
        const char* what;
        const TWorkFolders& folders;
        std::function<void()> stored;
        std::string workPath;
        bool useProgramFolder;
        bool rewritten;
    } cases[] = {
        {"first run", unpacked, [] {}, program, true, true},
        {"deleted folder", unpacked, [&] { store.WriteString(Key, "WorkPath", "/gone"); }, program, true,
         true},
        {"number", unpacked, [&] { store.WriteDword(Key, "WorkPath", 7); }, program, true, true},
        {"existing folder", unpacked, [&] { store.WriteString(Key, "WorkPath", "/home/u/sites"); },
         "/home/u/sites", false, false},
        {"program folder", unpacked, [&] { store.WriteString(Key, "WorkPath", program); }, program, true,
         false},
        {"installed, first run", installed, [] {}, documents, false, true},
        {"installed, deleted folder", installed, [&] { store.WriteString(Key, "WorkPath", "/gone"); },
         documents, false, true},
        {"installed, existing folder", installed,
         [&] { store.WriteString(Key, "WorkPath", "/home/u/sites"); }, "/home/u/sites", false, false},
    };
    existing = {"/home/u/sites", program, documents};
    for (const Case& c : cases) {
        store.DeleteValue(Key, "WorkPath");
        c.stored();
        const auto before = store.ReadString(Key, "WorkPath");
        const TGeneralSettings general = LoadGeneralSettings(store, c.folders, exists);
        EXPECT_EQ(general.WorkPath, c.workPath) << c.what;
        EXPECT_EQ(general.UseProgramFolder, c.useProgramFolder) << c.what;
        EXPECT_EQ(store.ReadString(Key, "WorkPath"), c.rewritten ? std::optional(c.folders.First) : before)
            << c.what;
    }
}

TEST_F(SettingsTest, DialogValuesAreStoredTogether) {
    store.WriteString(Key, "SettingPlugin", "KV-610");
    SaveDialogSettings(store, {"COM3", 6, "/w"});
    EXPECT_EQ(store.ReadString(Key, "SettingPlugin"), "KV-610") << "the dialog never chooses a module";
    EXPECT_EQ(ReadCpuPort(store), "COM3");
    EXPECT_EQ(store.ReadDword(Key, "FileCount"), 6u);
    EXPECT_EQ(store.ReadString(Key, "WorkPath"), "/w");
    const TGeneralSettings general = LoadGeneralSettings(store, {"", "/home/u"}, exists);
    EXPECT_EQ(general.ListLength, 6);
}

TEST(HelpFile, TheConfiguredFileWhenItIsThereElseTheUserGuide) {
    const auto exists = [](const std::string& path) { return path == "/opt/help/index.html"; };
    struct Case {
        std::string Configured;
        std::string Opened;
    };
    for (const Case& c : {
             Case{"/opt/help/index.html", "/opt/help/index.html"},
             Case{"", "/usr/share/korvisel/help/user-guide.html"},
             Case{StartUpHelpFile, "/usr/share/korvisel/help/user-guide.html"},
             Case{"/opt/help/gone.html", "/usr/share/korvisel/help/user-guide.html"},
         })
        EXPECT_EQ(HelpFileToOpen(c.Configured, "/usr/share/korvisel/help/user-guide.html", exists), c.Opened)
            << c.Configured;
}

TEST_F(SettingsTest, WindowPlacementSurvivesTheRunAndDamagedValuesAreNone) {
    EXPECT_FALSE(ReadWindowPlacement(store)) << "no run stored one yet";
    for (const TWindowPlacement placement :
         {TWindowPlacement{{-1200, -30, 900, 600}, false}, TWindowPlacement{{40, 22, 1366, 746}, true}}) {
        WriteWindowPlacement(store, placement);
        TSettingsStore nextRun(folder.File("registry.reg"));
        EXPECT_EQ(ReadWindowPlacement(nextRun), placement) << "a position left of the first screen too";
    }
    struct Case {
        const char* name;
        std::uint32_t value;
    };
    for (const Case c :
         {Case{"WindowWidth", 0}, Case{"WindowHeight", 0x80000000u}, Case{"WindowLeft", 5000000}}) {
        WriteWindowPlacement(store, {{10, 10, 800, 600}, false});
        store.WriteDword(Key, c.name, c.value);
        EXPECT_FALSE(ReadWindowPlacement(store)) << c.name << " " << c.value;
    }
    store.WriteString(Key, "WindowTop", "10");
    EXPECT_FALSE(ReadWindowPlacement(store)) << "a value of the wrong type";
}

} // namespace
} // namespace korvisel
