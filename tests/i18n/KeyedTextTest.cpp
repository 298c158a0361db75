// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/KeyedText.h"

#include "i18n/IniFile.h"
#include "i18n/LanguageFile.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TLanguageTexts Russian() {
    TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const auto file = TIniFile::Load(std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini");
    EXPECT_TRUE(file);
    if (file)
        LoadProgramSection(*file, texts);
    texts.SetCountRules(CountRulesOf("ru"));
    return texts;
}

// A text kept as keys is worded in the language it is shown in, its arguments too, and a literal
// argument is never read as a mark.
TEST(KeyedText, IsWordedInTheLanguageShownAndInEnglishForFiles) {
    const TKeyedText text = Keyed("PRG_CHECK_PHONE_EMPTY", {Keyed("PRG_CHECK_INPUT", {Literal("3")}),
                                                            Keyed("PRG_CHECK_CLIP_EVENT_PHONE")});
    EXPECT_EQ(EnglishOf(text), "ERROR : Input 3 Report: CLIP; Event Phone EMPTY");
    EXPECT_EQ(TextOf(text, TLanguageTexts::BuiltInEnglish()), EnglishOf(text));
    EXPECT_EQ(TextOf(text, Russian()),
              "\xD0\x9E\xD0\xA8\xD0\x98\xD0\x91\xD0\x9A\xD0\x90: \xD0\x92\xD1\x85\xD0\xBE\xD0\xB4 3, "
              "\xD0\xB8\xD0\xB7\xD0\xB2\xD0\xB5\xD1\x89\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5 CLIP, "
              "\xD1\x81\xD0\xBE\xD0\xB1\xD1\x8B\xD1\x82\xD0\xB8\xD0\xB5: \xD1\x83 "
              "\xD1\x82\xD0\xB5\xD0\xBB\xD0\xB5\xD1\x84\xD0\xBE\xD0\xBD\xD0\xB0 \xD0\xBD\xD0\xB5\xD1\x82 "
              "\xD0\xBD\xD0\xBE\xD0\xBC\xD0\xB5\xD1\x80\xD0\xB0"); // "ОШИБКА: Вход 3, извещение CLIP,
                                                                   // событие: у телефона нет номера"
    EXPECT_EQ(EnglishOf(Keyed("PRG_PORT_ABSENT", {Literal("/dev/%1")})), "no such device: /dev/%1");
    EXPECT_TRUE(TKeyedText{}.Empty());
    EXPECT_EQ(EnglishOf(TKeyedText{}), "");
}

TEST(KeyedText, CountsTakeTheirLanguagesPluralForm) {
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    const TLanguageTexts russian = Russian();
    const struct {
        std::uint64_t n;
        const char* english;
        const char* russian;
    } cases[] = {
        {1, "1 byte", "1 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82"},                          // байт
        {3, "3 bytes", "3 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82\xD0\xB0"},                 // байта
        {11, "11 bytes", "11 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82"},                      // байт
        {21, "21 bytes", "21 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82"},                      // байт
        {476, "476 bytes", "476 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82"},                   // байт
        {1024, "1,024 bytes", "1\u00A0024 \xD0\xB1\xD0\xB0\xD0\xB9\xD1\x82\xD0\xB0"}, // байта
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountText(c.n, ByteKeys, english), c.english);
        EXPECT_EQ(CountText(c.n, ByteKeys, russian), c.russian) << c.n;
    }
}

} // namespace
} // namespace korvisel
