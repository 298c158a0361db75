// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef KORVISEL_SOURCE_DIR
#error "the tests need the source folder for the shipped language files"
#endif

namespace korvisel {
namespace {

using test::TempFolder;

TEST(DecodeLanguageValue, Escapes) {
    struct Case {
        const char* value;
        const char* text;
    } cases[] = {
        {"#  Input #", "  Input "},
        {"First line/ASecond line", "First line\n\rSecond line"},
        {"a/ab", "a\n\rb"},
        {"50/#off", "50#off"},
        {"a//b", "a/b"},
        {"//A", "/A"},
        {"/cr Used", "/cr Used"},
        {"/x#y", "/xy"},
        {"ends with /", "ends with /"},
        {"#", ""},
        {"plain text", "plain text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeLanguageValue(c.value), c.text) << c.value;
}

TEST(SplitDescriptionText, OneItemPerPiece) {
    struct Case {
        const char* text;
        std::vector<std::string> items;
    } cases[] = {
        {"", {}},
        {"One", {"One"}},
        {"First line\n\rSecond line", {"First line", "Second line"}},
        {"a\r\nb", {"a\r\nb"}}, // only a line feed followed by a carriage return splits
        {"a\n\r\n\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitDescriptionText(c.text), c.items) << c.text;
}

class LanguageFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    TSettingsStore store{folder.File("registry.reg")};
    TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();

    // Whether the texts of the [Language] section were published, not only the PL values.
    bool HoldsLanguageSectionValues() {
        const std::vector<std::string> names = store.ValueNames(RegistryKey::Language);
        return std::any_of(names.begin(), names.end(),
                           [](const std::string& n) { return n.starts_with("2Lang_"); });
    }
};

TEST_F(LanguageFileTest, BlankValuesFallBackAndTreeCaptionsGetTheirBlank) {
    const TIniFile file = TIniFile::Parse("[Main]\nName=Deutsch\n"
                                          "[Language]\n"
                                          "TREEINPUT=Eingang\n"
                                          "TREEINFO=#\n"
                                          "TREETEST=   \n"
                                          "TREEPIN=#  PIN #\n"
                                          "MESSAGE_NOT_FIND_F=Datei %s/Anicht gefunden\n"
                                          "[Menu]\n"
                                          "LM_EDIT__ =Bearbeiten\n"
                                          "LIST_DESCR_PIN=Vier Ziffern/Aohne Leerzeichen\n");
    EXPECT_EQ(LoadLanguageSection(file, texts, store), 0);
    LoadMenuSection(file, texts);
    struct Case {
        TTextKey key;
        const char* text;
    } cases[] = {
        {"TREEINPUT", "Eingang "},
        {"TREEOUTPUT", "Exit  "}, // fallen back, and the blank is appended all the same
        {"TREEINFO", "Settings"},
        {"TREETEST", "Test field "},
        {"TREEPIN", "  PIN "},
        {"MESSAGE_NOT_FIND_F", "Datei %s\n\rnicht gefunden"},
        {"LM_EDIT__ ", "Bearbeiten"},
        {"LM_FILE__", "File"},
        {"LIST_DESCR_INPUT", "Enable"},
        {"LIST_DESCR_SIGNAL", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(texts.Text(c.key), c.text) << c.key.Name();
    EXPECT_EQ(SplitDescriptionText(texts.Text("LIST_DESCR_PIN")),
              (std::vector<std::string>{"Vier Ziffern", "ohne Leerzeichen"}));
}

TEST_F(LanguageFileTest, ANameMatchingTheMainKeyValueSkipsTheLanguageSection) {
    store.WriteString(RegistryKey::Settings, "1Main_LanguagName", "Deutsch");
    const TIniFile file = TIniFile::Parse("[Main]\nName=Deutsch\n[Language]\nTREEINFO=Einstellungen\n"
                                          "[Menu]\nLM_FILE__=Datei\n");
    EXPECT_EQ(LoadLanguageSection(file, texts, store), 1);
    LoadMenuSection(file, texts);
    EXPECT_EQ(texts.Text("TREEINFO"), "Settings");
    EXPECT_EQ(texts.Text("LM_FILE__"), "Datei");
}

TEST_F(LanguageFileTest, ExportWritesEveryValueUnderItsName) {
    ExportLanguageTexts(texts, nullptr, store);
    EXPECT_FALSE(HoldsLanguageSectionValues()) << "at creation only the PL values";
    EXPECT_EQ(store.ReadString(RegistryKey::Language, "PLTestSIM"), "Test SIM Card");

    const TLanguageInfo builtIn{"", "", true, "_"};
    ExportLanguageTexts(texts, &builtIn, store);
    // Every value the export writes holds the current text of the key it is named after.
    for (const std::string& name : store.ValueNames(RegistryKey::Language)) {
        if (name == "1Main_LanguagName" || name == "PLQMessSMSPhNumEmp")
            continue;
        const std::string key = name.starts_with("2Lang_") ? name.substr(6) : "F_" + name;
        const auto index = TextIndex(key);
        ASSERT_TRUE(index) << name << " names no text";
        EXPECT_EQ(store.ReadString(RegistryKey::Language, name), texts.TextAt(*index)) << name;
    }
    // And it leaves out no text of the [Language] section but the two the export never wrote.
    for (const TBuiltInText& entry : BuiltInTexts) {
        const std::string key = entry.Key;
        const std::string name = key.starts_with("F_PL") ? key.substr(2) : "2Lang_" + key;
        const bool exported =
            entry.Section == TextSection::Language && key != "TREEOUTPUT" && key != "REP_CAPTGSMMEN";
        EXPECT_EQ(store.ReadString(RegistryKey::Language, name).has_value(), exported) << name;
    }

    struct Case {
        const char* name;
        std::optional<std::string> value;
    } cases[] = {
        {"1Main_LanguagName", ""},
        {"2Lang_TREEINFO", "Settings"},
        {"2Lang_REP_SERIAL_CONST", "Serial Number : "},
        {"2Lang_TREEOUTPUT", std::nullopt},
        {"2Lang_REP_CAPTGSMMEN", std::nullopt},
        {"2Lang_F_PLTestSIM", std::nullopt},
        {"PLReadDataCaption", "Read Data from Modem"},
        {"PLPcessProgress", "Process Progress"},
        {"PLQMessNOTIsertSIM2", "You inserted SIM Card Now?"},
        {"PLMessBlockSIM2", "Deblocked SIM Card and write again"},
        {"PLQMessSMSPhNumEmp", "Phone Number SMS Centre is empty.\n\rAre you sure writing Phone Number?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(store.ReadString(RegistryKey::Language, c.name), c.value) << c.name;
}

TEST_F(LanguageFileTest, ExportOfAFileLanguageWritesOnlyThePluginTexts) {
    const TLanguageInfo russian{"Russian", "/somewhere/Russian.ini", false, "_1"};
    ExportLanguageTexts(texts, &russian, store);
    EXPECT_FALSE(HoldsLanguageSectionValues());
    EXPECT_EQ(store.ReadString(RegistryKey::Language, "PLTestSIM"), "Test SIM Card");
}

TEST_F(LanguageFileTest, ShippedRussianFileCoversEveryKey) {
    const std::string path = std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini";
    const auto file = TIniFile::Load(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->ReadString("Main", "Name"), "Russian");
    for (const TBuiltInText& entry : BuiltInTexts) {
        const char* section = entry.Section == TextSection::Language ? "Language" : "Menu";
        EXPECT_NE(DecodeLanguageValue(file->ReadString(section, entry.Key)), "") << entry.Key;
    }
    for (const TProgramText& entry : ProgramTexts)
        EXPECT_NE(DecodeLanguageValue(file->ReadString("Program", entry.Key)), "") << entry.Key;

    const TLanguageInfo russian{"Russian", path, false, "_1"};
    ASSERT_TRUE(ApplyLanguageTexts(texts, russian, store));
    EXPECT_EQ(texts.Text("TREEINPUT") + "1", "\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4 1"); // "Вход 1"
    EXPECT_EQ(texts.Text("MESSAGE_NOT_FIND_F"),
              "\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB %s\n\r\xD0\xBD\xD0\xB5 "
              "\xD0\xBD\xD0\xB0\xD0\xB9\xD0\xB4\xD0\xB5\xD0\xBD."); // "Файл %s\n\rне найден."
    EXPECT_EQ(texts.Text("REP_BVAL2").substr(0, 4), "/cr ");
    EXPECT_EQ(texts.Text("PRG_PORT_SETTINGS_REFUSED").substr(0, 6), "%1: \xD0\xBF")
        << "the program's own texts too";
    EXPECT_EQ(texts.CountRules(), CountRulesOf("ru")) << "counted as its [Main] Locale says";

    ASSERT_TRUE(ApplyLanguageTexts(texts, SelectedLanguage({}, 0), store));
    EXPECT_EQ(texts.Text("TREEINPUT"), "Input ");
    EXPECT_EQ(texts.Text("PRG_PORT_SETTINGS_REFUSED").substr(0, 8), "%1: the ");
    EXPECT_EQ(texts.CountRules(), TCountRules{});
    EXPECT_EQ(store.ReadString(RegistryKey::Language, "1Main_LanguagName"), "");
}

TEST_F(LanguageFileTest, AMissingFileChangesNothing) {
    const TLanguageInfo gone{"Gone", folder.File("gone.ini"), false, "_1"};
    EXPECT_FALSE(ApplyLanguageTexts(texts, gone, store));
    EXPECT_EQ(texts.Text("TREEINFO"), "Settings");
    EXPECT_TRUE(store.ValueNames(RegistryKey::Language).empty());
}

} // namespace
} // namespace korvisel
