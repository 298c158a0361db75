// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace korvisel {
namespace {

TEST(BuiltInTexts, TableShape) {
    std::set<std::string> keys;
    std::size_t language = 0, menu = 0, trailingBlank = 0;
    bool menuStarted = false;
    for (const TBuiltInText& entry : BuiltInTexts) {
        keys.insert(entry.Key);
        if (entry.Section == TextSection::Language) {
            ++language;
            EXPECT_FALSE(menuStarted) << entry.Key << " stands after the [Menu] keys";
        } else {
            ++menu;
            menuStarted = true;
        }
        trailingBlank += std::string(entry.Key).ends_with(' ');
    }
    EXPECT_EQ(keys.size(), 536u);
    EXPECT_EQ(language, 432u);
    EXPECT_EQ(menu, 104u);
    EXPECT_EQ(trailingBlank, 19u);

    // The program's own texts stand beside the 536, each under a key of its own.
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    for (const TProgramText& entry : ProgramTexts) {
        EXPECT_TRUE(keys.insert(entry.Key).second) << entry.Key << " is one of the 536 keys";
        EXPECT_EQ(english.TextAt(*TextIndex(entry.Key)), entry.Text) << entry.Key;
    }
}

TEST(LanguageTexts, BuiltInValues) {
    TLanguageTexts texts;
    EXPECT_EQ(texts.Text("TREEINPUT"), "");
    texts.SetBuiltInTexts();
    EXPECT_EQ(texts.Text("LM_EDIT__ "), "") << "menu texts stay empty until a language is applied";
    texts.SetBuiltInMenuTexts();
    struct Case {
        TTextKey key;
        const char* text;
    } cases[] = {
        {"TREEINPUT", "Input "},
        {"TREEOUTPUT", "Exit "},
        {"MESSAGE_NOT_FIND_F", "File %s\r\nNot found."},
        {"MESSAGE_OVERRIDE_FILE2", " exist.\n\r Override this File?"},
        {"F4_OPT_L3_C_VAR4", "XON\\XOFF"},
        {"REP_BASE_CAPTION", "Device Profile of\r"},
        {"F_PLQMessNOTIsertSIM2", "You inserted SIM Card Now?"},
        {"F_PLMessBlockSIM2", "Deblocked SIM Card and write again"},
        {"LM_EDIT__ ", "Edit"},
        {"LM_FILE_A_EXIT ", "E&xit"},
        {"LIST_DESCR_INPUT", "Enable"},
        {"REP_BVAL2", "/cr Used"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(texts.Text(c.key), c.text) << c.key.Name();
    EXPECT_EQ(std::string(texts.Text("F4_OPT_L3_C_VAR4")).size(), 8u);
    EXPECT_EQ(texts.SmsCentreEmpty(),
              "Phone Number SMS Centre is empty.\n\rAre you sure writing Phone Number?");
    for (const TBuiltInText& entry : BuiltInTexts)
        if (std::string(entry.Key).starts_with("LIST_DESCR_") &&
            std::string(entry.Key) != "LIST_DESCR_INPUT") {
            EXPECT_EQ(texts.TextAt(*TextIndex(entry.Key)), "") << entry.Key;
        }
}

TEST(WithArguments, ReplacesEachMarkOnceInOnePass) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> arguments;
        const char* expected;
    } cases[] = {
        {"%1: %2", {"COM1", "busy"}, "COM1: busy"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"%1", {"%2"}, "%2"},    // an argument's own mark stays
        {"%3 %", {"a"}, "%3 %"}, // no such argument; a lone % at the end
        {"100%1", {"0"}, "1000"},
        {"%0 %a", {"a"}, "%0 %a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithArguments(c.text, c.arguments), c.expected) << c.text;
}

} // namespace
} // namespace korvisel
