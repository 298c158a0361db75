// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CountRules.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(CountRules, PluralFormsFollowTheLanguagesCardinalRule) {
    using enum TPluralForm;
    const struct {
        TPluralRule rule;
        std::uint64_t n;
        TPluralForm form;
    } cases[] = {
        {TPluralRule::OneOther, 0, Other},      {TPluralRule::OneOther, 1, One},
        {TPluralRule::OneOther, 2, Other},      {TPluralRule::OneOther, 21, Other},
        {TPluralRule::EastSlavic, 0, Many},     {TPluralRule::EastSlavic, 1, One},
        {TPluralRule::EastSlavic, 2, Few},      {TPluralRule::EastSlavic, 4, Few},
        {TPluralRule::EastSlavic, 5, Many},     {TPluralRule::EastSlavic, 11, Many},
        {TPluralRule::EastSlavic, 12, Many},    {TPluralRule::EastSlavic, 14, Many},
        {TPluralRule::EastSlavic, 21, One},     {TPluralRule::EastSlavic, 22, Few},
        {TPluralRule::EastSlavic, 111, Many},   {TPluralRule::EastSlavic, 112, Many},
        {TPluralRule::EastSlavic, 476, Many},   {TPluralRule::EastSlavic, 1001, One},
        {TPluralRule::EastSlavic, 100003, Few},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PluralForm(c.rule, c.n), c.form) << c.n;
}

TEST(CountRules, TheLanguageCodeChoosesTheRulesAndTheDigitGroups) {
    const struct {
        const char* code;
        TPluralRule rule;
        std::uint64_t n;
        const char* text;
    } cases[] = {
        {"ru", TPluralRule::EastSlavic, 476, "476"},
        {"ru_RU.UTF-8", TPluralRule::EastSlavic, 12345, "12\u00A0345"},
        {"UK", TPluralRule::EastSlavic, 1000, "1\u00A0000"},
        {"en", TPluralRule::OneOther, 1234567, "1,234,567"},
        {"", TPluralRule::OneOther, 999, "999"},
        {"de", TPluralRule::OneOther, 0, "0"},
    };
    for (const auto& c : cases) {
        const TCountRules rules = CountRulesOf(c.code);
        EXPECT_EQ(rules.Plural, c.rule) << c.code;
        EXPECT_EQ(NumberText(c.n, rules), c.text) << c.code;
    }
    EXPECT_EQ(DecimalText("127.5", CountRulesOf("ru")), "127,5");
    EXPECT_EQ(DecimalText("127.5", CountRulesOf("en")), "127.5");
}

} // namespace
} // namespace korvisel
