// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(IniFile, ReadsLikeTheWindowsReader) {
    const TIniFile ini = TIniFile::Parse("; comment\r\n"
                                         "[Main]\r\n"
                                         "Name = Deutsch  \r\n"
                                         "[language]\r\n"
                                         "TreeInput=Eingang\r\n"
                                         "Quoted=\"  two blanks  \"\r\n"
                                         "Single='x'\r\n"
                                         "Unbalanced=\"x\r\n"
                                         "TREEINPUT=second\r\n"
                                         "no equals sign\r\n"
                                         "Empty=\r\n"
                                         "[Menu]\r\n"
                                         "LM_EDIT__ =Bearbeiten\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"MAIN", "name", "Deutsch"},
        {"Language", "TREEINPUT", "Eingang"},
        {"Language", "Quoted", "  two blanks  "},
        {"Language", "Single", "x"},
        {"Language", "Unbalanced", "\"x"},
        {"Language", "Empty", ""},
        {"Language", "Missing", "fallback"},
        {"Menu", "LM_EDIT__ ", "Bearbeiten"},
        {"Menu", "LM_EDIT__", "Bearbeiten"},
        {"Nowhere", "Name", "fallback"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "fallback"), c.value) << c.section << "/" << c.key;
}

TEST(IniFile, DecodesTheFileCodePage) {
    test::TempFolder folder;
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* name;
    } cases[] = {
        {"UTF-8", {'[', 'M', ']', '\n', 'N', '=', 0xD0, 0x96}, "\xD0\x96"},
        {"UTF-8 with BOM", {0xEF, 0xBB, 0xBF, '[', 'M', ']', '\n', 'N', '=', 'a'}, "a"},
        {"Windows-1251 by default", {'[', 'M', ']', '\n', 'N', '=', 0xC6}, "\xD0\x96"},
        {"named code page",
         {'[', 'M', 'a', 'i', 'n', ']', '\n', 'C',  'o', 'd', 'e', 'P',  'a', 'g', 'e',
          '=', 'K', 'O', 'I', '8', '-', 'R',  '\n', '[', 'M', ']', '\n', 'N', '=', 0xF6},
         "\xD0\x96"},
        {"unknown code page falls back",
         {'[', 'M', 'a', 'i', 'n',  ']', '\n', 'C', 'o',  'd', 'e', 'P', 'a',
          'g', 'e', '=', 'x', '\n', '[', 'M',  ']', '\n', 'N', '=', 0xC6},
         "\xD0\x96"},
    };
    for (const Case& c : cases) {
        test::WriteBytes(folder.File("lang.ini"), c.bytes);
        const auto ini = TIniFile::Load(folder.File("lang.ini"));
        ASSERT_TRUE(ini) << c.what;
        EXPECT_EQ(ini->ReadString("M", "N"), c.name) << c.what;
        const std::string_view bytes(reinterpret_cast<const char*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(TIniFile::Decode(bytes).ReadString("M", "N"), c.name) << c.what << ", from memory";
    }
    EXPECT_FALSE(TIniFile::Load(folder.File("missing.ini")));
}

} // namespace
} // namespace korvisel
