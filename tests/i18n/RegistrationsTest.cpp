// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Registrations.h"

#include "settings/Settings.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace korvisel {
namespace {

using test::TempFolder;
constexpr const char* Key = RegistryKey::Settings;

class RegistrationsTest : public ::testing::Test {
protected:
    TempFolder folder;
    TSettingsStore store{folder.File("registry.reg")};

    std::string LanguageFile(const std::string& file, const std::string& name) {
        const std::string text = "[Main]\nName=" + name + "\n";
        test::WriteBytes(folder.File(file), std::vector<std::uint8_t>(text.begin(), text.end()));
        return folder.File(file);
    }
    void Register(const std::string& suffix, const std::string& name, const std::string& path) {
        store.WriteString(Key, "LANGUAGE_NAME" + suffix, name);
        store.WriteString(Key, "LANGUAGE_PATH" + suffix, path);
    }
    std::map<std::string, std::string> PathsByName() {
        std::map<std::string, std::string> paths;
        for (const TLanguageInfo& language : LoadLanguages(store))
            paths[language.Name] = language.Path;
        return paths;
    }
    std::vector<std::string> Names(const std::vector<TLanguageInfo>& list) {
        std::vector<std::string> names;
        for (const auto& l : list)
            names.push_back(l.Name);
        return names;
    }
};

TEST_F(RegistrationsTest, WithoutRegistrationsOnlyTheBuiltInLanguage) {
    const auto languages = LoadLanguages(store);
    EXPECT_EQ(languages, (std::vector<TLanguageInfo>{{"English (Default)", "", true, "_"}}));
    EXPECT_EQ(StoredLanguageIndex(languages, store), 0);
    EXPECT_EQ(SelectedLanguage(languages, 0), (TLanguageInfo{"", "", true, "_"}));
}

TEST_F(RegistrationsTest, InvalidPairsAreDeletedAndPartnerlessNamesLeftAlone) {
    // Names are examined from the last one back, as many as there are paths: the orphan goes first.
    store.WriteString(Key, "LANGUAGE_NAME_9", "Orphan");
    store.WriteDword(Key, "LANGUAGE_NAME_7", 1);
    store.WriteString(Key, "LANGUAGE_PATH_7", LanguageFile("seven.ini", "Seven"));
    Register("_1", "Deutsch", LanguageFile("de.ini", "Deutsch"));
    Register("_2", "russian", LanguageFile("ru.ini", "Russian")); // differs in case only
    Register("_3", "Gone", folder.File("gone.ini"));
    Register("_4", "Blank", "   ");
    Register("_5", "Nameless", LanguageFile("none.ini", ""));
    Register("_6", "", LanguageFile("empty.ini", "")); // empty on both sides is no language either

    const auto languages = LoadLanguages(store);

    EXPECT_EQ(Names(languages), (std::vector<std::string>{"English (Default)", "Deutsch"}));
    EXPECT_EQ(languages[1].Suffix, "_1");
    const std::vector<std::string> left = store.ValueNames(Key);
    EXPECT_EQ(left, (std::vector<std::string>{"LANGUAGE_NAME_9", "LANGUAGE_NAME_7", "LANGUAGE_PATH_7",
                                              "LANGUAGE_NAME_1", "LANGUAGE_PATH_1"}));
}

TEST_F(RegistrationsTest, TheStoredChoiceSelectsTheLastEntryOfThatName) {
    Register("_1", "Deutsch", LanguageFile("de.ini", "Deutsch"));
    Register("_2", "Deutsch", LanguageFile("de2.ini", "Deutsch"));
    auto languages = LoadLanguages(store);
    ASSERT_EQ(languages.size(), 3u);
    StoreLanguageChoice(store, languages, 1);
    EXPECT_EQ(ReadSettingLanguage(store), "Deutsch");
    const int index = StoredLanguageIndex(languages, store);
    EXPECT_EQ(languages[static_cast<std::size_t>(index)].Name, "Deutsch");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(FillLanguageList(store).Selected, 2);
    WriteSettingLanguage(store, "Klingon");
    EXPECT_EQ(StoredLanguageIndex(languages, store), 0);
    StoreLanguageChoice(store, languages, 0);
    EXPECT_EQ(store.ReadString(Key, "SettingLanguage"), "");
}

TEST_F(RegistrationsTest, AddingUsesTheFirstFreeSuffixAndReusesADeletedOne) {
    const std::string de = LanguageFile("de.ini", "Deutsch");
    const std::string fr = LanguageFile("fr.ini", "Francais");
    EXPECT_EQ(AddLanguage(store, LoadLanguages(store), "Deutsch", de), TAddLanguageResult::Added);
    EXPECT_EQ(AddLanguage(store, LoadLanguages(store), "Francais", fr), TAddLanguageResult::Added);
    EXPECT_EQ(store.ReadString(Key, "LANGUAGE_PATH_1"), de);
    EXPECT_EQ(store.ReadString(Key, "LANGUAGE_PATH_2"), fr);

    std::remove(de.c_str());
    const auto languages = LoadLanguages(store); // drops the pair of the deleted file
    EXPECT_EQ(FreeLanguageSuffix(languages), "_1");
    EXPECT_EQ(AddLanguage(store, languages, "Francais", fr), TAddLanguageResult::Added);
    EXPECT_EQ(store.ReadString(Key, "LANGUAGE_NAME_1"), "Francais");

    EXPECT_EQ(AddLanguage(store, languages, "Deutsch", de), TAddLanguageResult::FileVanished);
    EXPECT_EQ(AddLanguage(store, languages, "French", fr), TAddLanguageResult::NameChanged);
}

TEST_F(RegistrationsTest, ModulesAndTheirExtensions) {
    const std::string module = LanguageFile("model.bin", "x");
    const auto registerModule = [&](const std::string& s, const std::string& type,
                                    std::optional<std::string> extension, const std::string& path) {
        store.WriteString(Key, "DEVICE_NAME" + s, "Model " + s);
        store.WriteString(Key, "DEVICE_PATH" + s, path);
        store.WriteString(Key, "DEVICE_TYPE" + s, type);
        if (extension)
            store.WriteString(Key, "DEVICE_EXTN" + s, *extension);
    };
    // Groups are examined from the last name back, as many as the scarcest value: the incomplete
    // group goes first so that it is the one left unexamined.
    store.WriteString(Key, "DEVICE_NAME_E", "No type");
    store.WriteString(Key, "DEVICE_PATH_E", module);
    registerModule("_A", "TYPE-A", ".KV700", module);
    registerModule("_B", "TYPE-B", ".kv800", module);
    registerModule("_C", "TYPE-C", std::nullopt, module);
    registerModule("_D", "TYPE-D", ".KV900", folder.File("missing.bin"));
    store.WriteString(Key, "SettingPlugin", "OLD");

    TModules modules = LoadModules(store);

    ASSERT_EQ(modules.List.size(), 3u);
    EXPECT_EQ(modules.SettingPlugin, "OLD");
    EXPECT_EQ(modules.List[0], (TPluginInfo{"Model _C", module, "TYPE-C", ".k610", "_C"}));
    EXPECT_EQ(ModuleIndexOfExtension(modules.List, ".k610"), 0);
    EXPECT_EQ(ModuleIndexOfExtension(modules.List, ".KV700"), 2);
    EXPECT_FALSE(store.ReadString(Key, "DEVICE_NAME_D")) << "a module whose file is gone is deleted";
    EXPECT_FALSE(store.ReadString(Key, "DEVICE_EXTN_D"));
    EXPECT_TRUE(store.ReadString(Key, "DEVICE_NAME_E")) << "an incomplete group is left alone";

    struct Case {
        const char* extension;
        bool matches;
        const char* plugin;
    } cases[] = {
        {".kv700", true, "TYPE-A"},  {".KV700", true, "TYPE-A"}, {".kv800", false, "TYPE-A"},
        {".KV800", false, "TYPE-A"}, {".K610", false, "TYPE-A"}, {".KV690", false, "TYPE-A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchModuleExtension(store, modules, c.extension), c.matches) << c.extension;
        EXPECT_EQ(store.ReadString(Key, "SettingPlugin"), c.plugin) << c.extension;
    }
}

TEST_F(RegistrationsTest, ShippedLanguagesAreRegisteredOnceEachWithoutTouchingTheUsersOwn) {
    const std::string shipped = folder.Path() + "/shipped";
    std::filesystem::create_directories(shipped);
    const auto write = [&](const std::string& file, const std::string& name) {
        const std::string text = "[Main]\nName=" + name + "\n";
        test::WriteBytes(shipped + "/" + file, std::vector<std::uint8_t>(text.begin(), text.end()));
    };
    write("Russian.ini", "Russian");
    write("Deutsch.ini", "Deutsch");
    write("Nameless.ini", "");
    write("notes.txt", "Notes");
    Register("_1", "Deutsch", LanguageFile("my-de.ini", "Deutsch")); // the user's own copy stays

    EXPECT_EQ(RegisterShippedLanguages(store, shipped), 1);
    EXPECT_EQ(PathsByName(), (std::map<std::string, std::string>{{"English (Default)", ""},
                                                                 {"Deutsch", folder.File("my-de.ini")},
                                                                 {"Russian", shipped + "/Russian.ini"}}));

    EXPECT_EQ(RegisterShippedLanguages(store, shipped), 0) << "nothing twice";
    EXPECT_EQ(RegisterShippedLanguages(store, folder.Path() + "/missing"), 0);
    // A registration whose file went away (an older install) gives way to the shipped file.
    std::filesystem::rename(shipped + "/Russian.ini", shipped + "/ru.ini");
    EXPECT_EQ(RegisterShippedLanguages(store, shipped), 1);
    EXPECT_EQ(PathsByName()["Russian"], shipped + "/ru.ini");
}

TEST_F(RegistrationsTest, TheFirstStartTakesTheDesktopsLanguageOnce) {
    const auto file = [&](const std::string& name, const std::string& main) {
        const std::string text = "[Main]\n" + main + "\n";
        test::WriteBytes(folder.File(name), std::vector<std::uint8_t>(text.begin(), text.end()));
        return folder.File(name);
    };
    Register("_1", "Deutsch", file("de.ini", "Name=Deutsch\nLocale=de"));
    Register("_2", "Russian", file("ru.ini", "Name=Russian")); // a file from elsewhere, named in English
    Register("_3", "Ukrainian-test", file("uk.ini", "Name=Ukrainian-test\nLocale=uk"));
    const std::vector<TLanguageInfo> languages = LoadLanguages(store);
    const auto named = [&](int index) { return languages[static_cast<std::size_t>(index)].Name; };
    struct Case {
        TDesktopLanguage desktop;
        std::string chosen;
    } cases[] = {
        {{"de", "German"}, "Deutsch"},           {{"ru", "Russian"}, "Russian"},
        {{"UK", "Ukrainian"}, "Ukrainian-test"}, {{"fr", "French"}, "English (Default)"},
        {{"", ""}, "English (Default)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(named(DesktopLanguageIndex(languages, c.desktop)), c.chosen) << c.desktop.Code;

    EXPECT_FALSE(LanguageEverChosen(store));
    EXPECT_TRUE(ChooseDesktopLanguage(store, {"ru", "Russian"}));
    EXPECT_EQ(ReadSettingLanguage(store), "Russian") << "stored as if chosen in the dialog";
    EXPECT_FALSE(ChooseDesktopLanguage(store, {"de", "German"})) << "only the first start chooses";
    EXPECT_EQ(ReadSettingLanguage(store), "Russian");

    store.DeleteValue(Key, "SettingLanguage");
    EXPECT_TRUE(ChooseDesktopLanguage(store, {"fr", "French"}));
    EXPECT_TRUE(LanguageEverChosen(store)) << "English is a choice too";
    EXPECT_EQ(ReadSettingLanguage(store), "");
}

} // namespace
} // namespace korvisel
